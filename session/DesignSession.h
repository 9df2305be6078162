#pragma once

#include "BedQuantities.h"
#include "BedSizing.h"
#include "CalcOutcome.h"
#include "DesignTarget.h"
#include "ExportFormats.h"
#include "ProjectDocument.h"
#include "ProjectFileIO.h"
#include "Result.h"
#include "StorageSummary.h"

#include <optional>
#include <string>
#include <string_view>

// One designer's session with one bed: the inputs as typed, the result of the last calculation
// with its report and record, and whether the design changed since it was last opened or saved.
// Every front end keeps its state here and only shows it; a rule written here holds in all.
class DesignSession
{
public:
    // dataDir holds the chamber data files.
    explicit DesignSession(std::string dataDir);

    const std::string &dataDir() const { return m_dataDir; }

    // ---- inputs
    const CalcInputs &inputs() const { return m_inputs; }
    // The user changed an input: a present result no longer belongs to the inputs.
    void edit(const CalcInputs &inputs);

    // ---- the design target: what the bed must hold and where, the layout limits, the rate
    const DesignTarget &target() const { return m_target; }
    // The user changed a setting: the project keeps it; the result stays, it does not depend
    // on the target.
    void setTarget(const DesignTarget &target);

    // A sizing of the rectangular array for the target, from the form's other inputs.
    struct Sizing
    {
        // Why there is no sizing: a form field's refusal (field and message, as Calculate
        // gives it) or a setting's (setting and message). Empty when sized.
        std::string message;
        InputField field = InputField::None;
        const TargetSetting *setting = nullptr;
        SizingTarget target;
        SizingAnswer answer;

        bool sized() const { return message.empty(); }
    };
    Sizing sizeBed(char decimalSeparator = '.') const;
    // Takes a sized layout into the form: the rectangular array with its rows and chambers per
    // row, an edit like any other.
    void useLayout(int rows, int chambersPerRow);

    // The quantities of the present result with the storage below the target's elevation and
    // the drawdown at its rate (each when the setting is given and valid); the reason when
    // there is no result or its bed cannot be described.
    Result<DesignFigures> designFigures();

    // ---- the calculation
    struct Questions
    {
        char decimalSeparator = '.';
        AskYesNo askYesNo; // method #1's questions; no callback answers No
    };
    // Calculate on the inputs; a calculation that is done replaces the result. A refusal or a
    // No leaves the result as it was; the report is emptied unless the outcome says otherwise.
    CalcOutcome calculate(const Questions &questions);

    bool resultsValid() const { return m_state.ResultsValid; }
    const ResultState &result() const { return m_state; }
    // The report of the present result; empty without one.
    const std::string &report() const { return m_report; }
    void clearResults();
    // The result has a system length and width to copy (a rectangular array).
    bool hasSystemDimensions() const;

    // The present result's record (its message says why there is none): the calculation's
    // own, or for an opened file one read once from its inputs and the chamber data.
    const CalcOutcome &record();
    // The storage of the present result; bedProblem says why the bed is not known.
    StorageSummary storageSummary();

    // ---- clipboard texts of the present result (empty without one); the length and width
    // are offered while hasSystemDimensions()
    std::string stageAreaText() const;
    std::string lengthText() const;
    std::string widthText() const;
    std::string storageTableText();

    // ---- exports of the present result (ExportFormats), for its record
    Result<std::string> exportText(ExportKind kind, const SwmmNodeChoices &choices = {});

    // ---- the document
    bool changed() const { return m_changed; }
    // Clear Data: every input empty, method #1, no result, no file: a changed document.
    void clear();
    // The project as it would be saved: the inputs, and the result with its report when valid.
    ProjectDocument document() const;
    Result<std::string> projectBytes() const;
    Result<void> saveFile(const std::string &path);
    // Reads a project without changing the session; adopt() then takes it over.
    static Result<ProjectDocument> readBytes(std::string_view bytes);
    // stamp, when given, receives what was read, to notice a later change by another program.
    static Result<ProjectDocument> readFile(const std::string &path, FileStamp *stamp = nullptr);
    // Takes over an opened or saved document: its inputs and result, unchanged.
    void adopt(const ProjectDocument &document);
    // Says the design is the one on disk now (after a save by other means).
    void markSaved() { m_changed = false; }

private:
    std::string m_dataDir;
    CalcInputs m_inputs;
    DesignTarget m_target;
    ResultState m_state;
    std::string m_report;
    std::optional<CalcOutcome> m_record;
    bool m_changed = false;
};
