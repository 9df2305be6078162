#include "ProjectFile.h"

#include "CalcMethod.h"
#include "InputFields.h"
#include "ItemReader.h"
#include "LineBreaks.h"
#include "NumberText.h"
#include "TextEncoding.h"
#include "TextParsers.h"

#include <array>
#include <vector>

namespace {
const char *const VersionTag = "TVC_Ver";

// Far above what a calculation writes (a report line per chamber table row and per pond
// table row, at most 32767 each, and some 40 more): a saved report beyond either limit is
// not one, and the window could not show it quickly.
constexpr std::size_t MaxReportLines = 70000;
constexpr std::size_t MaxReportBytes = 2 * 1024 * 1024;
// A report line holds at most an input as typed, its label and unit: a longer one comes from
// no calculation, and one line of megabytes would stall any text view laying it out.
constexpr std::size_t MaxReportLineLength = MaxInputLength + 256;

std::string tooLongText(const char *what)
{
    return std::string("the ") + what + " is longer than " + std::to_string(MaxInputLength) +
           " characters";
}

void addLine(std::string &text, const std::string &line)
{
    text += line;
    text += LineBreak;
}

// The inputs a file keeps for a method: that method's fields, in the table's order.
std::vector<const InputFieldInfo *> inputSlots(int method)
{
    std::vector<const InputFieldInfo *> slots;
    for (const InputFieldInfo &field : InputFields) {
        if (field.usedBy(method))
            slots.push_back(&field);
    }
    return slots;
}

Failure failure(const ItemReader &reader, const std::string &what)
{
    return {"line " + std::to_string(reader.lineNumber()) + ": " + what};
}

bool numberAllowed(const InputFieldInfo &field, int value)
{
    if (field.kind == FieldKind::ChamberType)
        return value == -1 || chamberModel(value) != nullptr;
    return value >= 0 && value <= 2; // unchecked, checked, grayed
}

// Version 02 adds the design target between the inputs and the results flag, one setting
// per line as "key=text", between these two lines. A project without one is written as
// version 01, byte for byte as before.
const char *const TargetBegin = "[Design Target]";
const char *const TargetEnd = "[End Design Target]";

void writeTarget(std::string &text, const DesignTarget &target)
{
    addLine(text, TargetBegin);
    for (const TargetSetting &setting : TargetSettings)
        addLine(text, std::string(setting.fileKey) + "=" + target.*setting.text);
    addLine(text, TargetEnd);
}

Result<void> readTarget(ItemReader &reader, DesignTarget &target)
{
    std::string line;
    int at = reader.lineNumber();
    const auto failAt = [&](const std::string &what) -> Result<void> {
        return Failure{"line " + std::to_string(at) + ": " + what};
    };
    if (!reader.readLine(line) || line != TargetBegin)
        return failAt(std::string("\"") + TargetBegin + "\" is missing");
    std::array<bool, TargetSettings.size()> seen{};
    for (at = reader.lineNumber(); reader.readLine(line); at = reader.lineNumber()) {
        if (line == TargetEnd)
            return {};
        const auto equals = line.find('=');
        const std::string key = line.substr(0, equals);
        std::size_t index = 0;
        while (index < TargetSettings.size() && key != TargetSettings[index].fileKey)
            ++index;
        if (equals == std::string::npos || index == TargetSettings.size())
            return failAt("\"" + key + "\" is not a design target setting");
        if (seen[index])
            return failAt("the setting \"" + key + "\" appears twice");
        seen[index] = true;
        std::string &value = target.*TargetSettings[index].text;
        value = line.substr(equals + 1);
        if (utf8UnitCount(value) > MaxInputLength)
            return failAt(tooLongText(TargetSettings[index].name));
    }
    return failAt(std::string("\"") + TargetEnd + "\" is missing");
}

Result<void> ScanFile(ItemReader &reader, ProjectDocument &document, int version)
{
    std::string line;
    if (!reader.readLine(line))
        return failure(reader, "the calculation method is missing");
    int16_t method = 0;
    if (!IsIntegerText(line) || parseInt16(line, method) != ParseStatus::Ok || !calcMethod(method))
        return failure(reader, "the calculation method must be 1 or 2");
    CalcInputs &inputs = document.inputs;
    inputs.method = method;

    for (const InputFieldInfo *slot : inputSlots(method)) {
        if (slot->text) {
            const int fieldLine = reader.lineNumber();
            if (!reader.readLine(inputs.*slot->text))
                return failure(reader, std::string("the ") + slot->fileName + " is missing");
            if (utf8UnitCount(inputs.*slot->text) > MaxInputLength)
                return Failure{"line " + std::to_string(fieldLine) + ": " +
                               tooLongText(slot->fileName)};
            continue;
        }
        int16_t value = 0;
        if (!reader.readInt16Item(value) || !numberAllowed(*slot, value))
            return failure(reader, std::string("the ") + slot->fileName + " is not a valid value");
        inputs.*slot->choice = value;
    }
    if (version == 2) {
        if (Result<void> read = readTarget(reader, document.target); !read)
            return read;
    }

    ResultState &results = document.results;
    int16_t flag = 0;
    if (!reader.readInt16Item(flag))
        return failure(reader, "the results flag is missing or not a whole number");
    results.ResultsValid = flag != 0;
    if (!results.ResultsValid)
        return {};

    int16_t rows = 0;
    if (!reader.readInt16Item(rows) || rows < 1)
        return failure(reader, "the number of table rows must be a whole number from 1 to 32767");
    results.EquivRows = rows;
    results.EquivStage.assign(static_cast<std::size_t>(rows), 0.0f);
    results.EquivArea.assign(static_cast<std::size_t>(rows), 0.0f);
    for (std::size_t i = 0; i < results.EquivStage.size(); ++i) {
        if (!reader.readSingleItem(results.EquivStage[i]) ||
            !reader.readSingleItem(results.EquivArea[i]))
            return failure(reader,
                           "table row " + std::to_string(i + 1) + " is missing or not two numbers");
    }
    if (!reader.readSingleItem(results.SystemLength) ||
        !reader.readSingleItem(results.SystemWidth) || !reader.readSingleItem(results.BottomArea))
        return failure(reader, "the system length, width or bottom area is missing");

    const auto tooLong = [&] {
        return failure(reader, "the report is longer than any calculation writes (at most " +
                                   std::to_string(MaxReportLines) + " lines of at most " +
                                   std::to_string(MaxReportLineLength) + " characters, " +
                                   std::to_string(MaxReportBytes / 1024 / 1024) + " MiB)");
    };
    if (!reader.readLine(line))
        return failure(reader, "the report is missing");
    document.reportText = line;
    for (std::size_t lines = 1;; ++lines) {
        if (lines > MaxReportLines || document.reportText.size() > MaxReportBytes ||
            utf8UnitCount(line) > MaxReportLineLength)
            return tooLong();
        if (reader.atEnd())
            break;
        reader.readLine(line);
        document.reportText += LineBreak + line;
    }
    return {};
}
} // namespace

std::string WriteProjectFile(const ProjectDocument &document)
{
    const CalcInputs &inputs = document.inputs;
    const int method = calcMethod(inputs.method) ? inputs.method : 0;
    const bool withTarget = document.target.used();
    std::string text;
    addLine(text, withTarget ? "TVC_Ver02" : "TVC_Ver01");
    addLine(text, std::to_string(method));
    if (method != 0) {
        for (const InputFieldInfo *slot : inputSlots(method))
            addLine(text, slot->text ? inputs.*slot->text : std::to_string(inputs.*slot->choice));
    }
    if (withTarget)
        writeTarget(text, document.target);
    const ResultState &results = document.results;
    addLine(text, results.ResultsValid ? "1" : "0");
    if (!results.ResultsValid)
        return text;
    addLine(text, std::to_string(results.EquivStage.size()));
    for (std::size_t i = 0; i < results.EquivStage.size(); ++i)
        addLine(text, NumToText(results.EquivStage[i]) + " " + NumToText(results.EquivArea[i]));
    addLine(text, NumToText(results.SystemLength));
    addLine(text, NumToText(results.SystemWidth));
    addLine(text, NumToText(results.BottomArea));
    addLine(text, document.reportText);
    return text;
}

std::string FieldWithLineBreak(const ProjectDocument &document)
{
    const CalcInputs &inputs = document.inputs;
    for (const TargetSetting &setting : TargetSettings) {
        if ((document.target.*setting.text).find_first_of("\r\n") != std::string::npos)
            return setting.name;
    }
    if (!calcMethod(inputs.method))
        return {};
    for (const InputFieldInfo *slot : inputSlots(inputs.method)) {
        if (slot->text && (inputs.*slot->text).find_first_of("\r\n") != std::string::npos)
            return slot->fileName;
    }
    return {};
}

std::string FieldTooLong(const ProjectDocument &document)
{
    for (const TargetSetting &setting : TargetSettings) {
        if (utf8UnitCount(document.target.*setting.text) > MaxInputLength)
            return setting.name;
    }
    const CalcInputs &inputs = document.inputs;
    if (inputs.method != 1 && inputs.method != 2)
        return {};
    for (const InputFieldInfo *slot : inputSlots(inputs.method)) {
        if (slot->text && utf8UnitCount(inputs.*slot->text) > MaxInputLength)
            return slot->fileName;
    }
    return {};
}

Result<ProjectDocument> ReadProjectFile(std::string_view text)
{
    ItemReader reader(text);
    std::string first;
    if (!reader.readLine(first))
        return Failure{"the file is empty"};
    first = Trimmed(first);
    const auto tag = first.find(VersionTag);
    if (tag == std::string::npos)
        return Failure{InvalidFormatMessage, FailureKind::NotAProject};
    if (first.size() - tag < 9)
        return Failure{"the version line is too short"};
    const std::string version = first.substr(tag + 7, 2);
    int16_t number = 0;
    if (!IsIntegerText(version) || parseInt16(version, number) != ParseStatus::Ok ||
        (number != 1 && number != 2))
        return Failure{"version \"" + version + "\" is not a version this program reads"};
    ProjectDocument document;
    if (const Result<void> scanned = ScanFile(reader, document, number); !scanned)
        return scanned.failure();
    return document;
}
