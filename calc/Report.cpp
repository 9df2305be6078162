#include "Report.h"

#include "InputChecks.h"
#include "NumberText.h"

void ReportWriter::line(const std::string &text)
{
    m_text += text;
    m_text += "\r\n";
}

void ReportWriter::valueLine(const char *label, const std::string &value, const char *unit)
{
    line("\t" + std::string(label) + " = " + value + unit);
}

void ReportWriter::userInputTitle(const CalcInputs &inputs)
{
    line("[User Input]");
    line();
    valueLine("Project Name", inputs.projectName);
    const bool typeSelected = inputs.chamberTypeIndex >= 0 &&
                              inputs.chamberTypeIndex < static_cast<int>(ChamberTypeNames.size());
    valueLine("Chamber Type",
              typeSelected ? ChamberTypeNames[static_cast<std::size_t>(inputs.chamberTypeIndex)]
                           : "");
}

void ReportWriter::bottomAreaLine(const CalcInputs &inputs)
{
    valueLine("Preserve bottom area for unsaturated infiltration in VELDO",
              inputs.bottomAreaChecked() ? "Yes" : "No");
    line();
}

void ReportWriter::userInputKnownBedArea(const CalcInputs &inputs)
{
    userInputTitle(inputs);
    valueLine("Number of Chambers", Trimmed(inputs.numChambers));
    valueLine("Area of Bed", Trimmed(inputs.bedArea), " sq-ft");
    valueLine("Foundation Depth", Trimmed(inputs.foundationDepth), " inches");
    valueLine("Cover Thickness", Trimmed(inputs.coverThickness), " inches");
    valueLine("Gravel Porosity", Trimmed(inputs.porosity), " %");
    valueLine("Bottom Elevation", Trimmed(inputs.baseElevation), " ft");
    bottomAreaLine(inputs);
}

void ReportWriter::userInputRectangularArray(const CalcInputs &inputs)
{
    userInputTitle(inputs);
    valueLine("Number of Rows", Trimmed(inputs.rows));
    valueLine("Number of Chambers Per Row", Trimmed(inputs.cols));
    valueLine("Foundation Depth", Trimmed(inputs.foundationDepth), " inches");
    valueLine("Cover Thickness", Trimmed(inputs.coverThickness), " inches");
    valueLine("Space Between Rows", Trimmed(inputs.internalSpacing), " inches");
    valueLine("Perimeter Thickness", Trimmed(inputs.perimeterThickness), " inches");
    valueLine("Gravel Porosity", Trimmed(inputs.porosity), " %");
    valueLine("Bottom Elevation", Trimmed(inputs.baseElevation), " ft");
    bottomAreaLine(inputs);
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
    for (std::size_t j = 0; j < record.Stage.size(); ++j)
        line("\t" + NumToText(record.Stage[j]) + "\t" +
             TwoDecimalText(record.Storage[j], m_decimalSeparator));
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
    for (std::size_t k = 0; k < state.EquivStage.size(); ++k)
        line("\t" + NumToText(state.EquivStage[k]) + "\t" + NumToText(state.EquivArea[k]));
}
