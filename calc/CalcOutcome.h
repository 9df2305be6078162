#pragma once

#include "CalcInputs.h"

#include <functional>
#include <memory>
#include <string>

struct CalcRecord;

// Answers a Yes/No question (text with CR LF line breaks); true means Yes.
using AskYesNo = std::function<bool(const std::string &question)>;

// Where and how a calculation runs: the directory of the chamber data files, the user's
// decimal separator for the chamber storage column, and who answers method #1's questions.
struct CalcEnvironment
{
    std::string dataDir;
    char decimalSeparator = '.';
    AskYesNo askYesNo; // no callback answers No
};

// How a Calculate request ended. A refusal names the field to select and focus (None for
// the data file messages and the dispatcher's own), and its message-box text.
struct CalcOutcome
{
    enum class Status
    {
        Done,     // record holds the calculation; the result state was written
        Refused,  // show message; the result state is untouched
        Declined, // a question was answered No: silent stop
    };

    // A refusal because of the chamber data file, whose message names no file.
    enum class ChamberData
    {
        Read,
        Missing,
        Unreadable,
    };

    Status status = Status::Refused;
    ChamberData chamberData = ChamberData::Read;
    InputField field = InputField::None;
    std::string message;
    // Every method empties the report before its checks; only the dispatcher's own
    // refusal leaves the Output tab as it was.
    bool outputCleared = true;
    // Set when Done: inputs, chamber data, result and report of the calculation.
    std::shared_ptr<const CalcRecord> record;

    // The new report; empty unless Done.
    const std::string &report() const;

    static CalcOutcome refused(InputField field, std::string message)
    {
        CalcOutcome outcome;
        outcome.field = field;
        outcome.message = std::move(message);
        return outcome;
    }
};
