#include "Report.h"

#include "InputFields.h"
#include "LineBreaks.h"
#include "NumberText.h"
#include "TextParsers.h"

void ReportWriter::line(const std::string &text)
{
    m_text += text;
    m_text += LineBreak;
}

void ReportWriter::valueLine(const char *label, const std::string &value, const char *unit)
{
    m_text += '\t';
    m_text += label;
    m_text += " = ";
    m_text += value;
    m_text += unit;
    m_text += LineBreak;
}

void ReportWriter::userInput(const CalcInputs &inputs)
{
    line("[User Input]");
    line();
    for (const InputFieldInfo &field : InputFields) {
        if (!field.usedBy(inputs.method))
            continue;
        switch (field.kind) {
        case FieldKind::Text: // exactly as typed
            valueLine(field.reportLabel, inputs.*field.text);
            break;
        case FieldKind::ChamberType: {
            const ChamberModel *model = chamberModel(inputs.chamberTypeIndex);
            valueLine(field.reportLabel, model ? model->listText : "");
            break;
        }
        case FieldKind::Count:
        case FieldKind::Number:
            valueLine(field.reportLabel, Trimmed(inputs.*field.text), field.reportUnit);
            break;
        case FieldKind::CheckBox:
            valueLine(field.reportLabel, inputs.bottomAreaChecked() ? "Yes" : "No");
            break;
        }
    }
    line();
}

void ReportWriter::chamberProperties(const ChamberDesignData &record)
{
    line("[Chamber Propoerties]");
    line();
    valueLine("Chamber Length", NumToText(record.Length), " inches");
    valueLine("Chamber Width", NumToText(record.Width), " inches");
    valueLine("Chamber Height", NumToText(record.Height), " inches");
    line();
    line("\tStage\tStorage");
    line("\t(inches)\t(ft³)");
    line("\t--------\t--------");
    for (std::size_t j = 0; j < record.Stage.size(); ++j) {
        m_text += '\t';
        appendNumText(m_text, record.Stage[j]);
        m_text += '\t';
        appendTwoDecimalText(m_text, record.Storage[j], m_decimalSeparator);
        m_text += LineBreak;
    }
    line();
}

void ReportWriter::systemDimensions(const ResultState &state)
{
    line("[Total Sytstem Dimensions]");
    line();
    valueLine("Total System Length", NumToText(state.SystemLength), " ft (excluding end areas).");
    valueLine("Total System Width", NumToText(state.SystemWidth), " ft.");
    valueLine("Total Bottom Area", NumToText(state.BottomArea), " ft² (excluding end areas).");
    line();
}

void ReportWriter::equivalentStageArea(const ResultState &state)
{
    line("[VELDO Equivalent Stage vs Area]");
    line();
    line("\tStage\tArea");
    line("\t(ft datum)\t(ft²)");
    line("\t----------\t--------");
    for (std::size_t k = 0; k < state.EquivStage.size(); ++k) {
        m_text += '\t';
        appendNumText(m_text, state.EquivStage[k]);
        m_text += '\t';
        appendNumText(m_text, state.EquivArea[k]);
        m_text += LineBreak;
    }
}
