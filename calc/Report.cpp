#include "Report.h"

#include "InputFields.h"
#include "LineBreaks.h"
#include "NumberText.h"
#include "TextParsers.h"

void ReportWriter::line(std::string_view text)
{
    m_text += text;
    m_text += LineBreak;
}

void ReportWriter::valueLabel(const char *label)
{
    m_text += '\t';
    m_text += label;
    m_text += " = ";
}

void ReportWriter::valueLine(const char *label, std::string_view value, const char *unit)
{
    valueLabel(label);
    m_text += value;
    line(unit);
}

void ReportWriter::numberLine(const char *label, float value, const char *unit)
{
    valueLabel(label);
    appendNumText(m_text, value);
    line(unit);
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
    numberLine("Chamber Length", record.Length, " inches");
    numberLine("Chamber Width", record.Width, " inches");
    numberLine("Chamber Height", record.Height, " inches");
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
    numberLine("Total System Length", state.SystemLength, " ft (excluding end areas).");
    numberLine("Total System Width", state.SystemWidth, " ft.");
    numberLine("Total Bottom Area", state.BottomArea, " ft² (excluding end areas).");
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
