#include "ChamberDataFile.h"

#include "FileExists.h"
#include "InputFields.h"
#include "ItemReader.h"
#include "Messages.h"
#include "TextParsers.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
// The pond table adds up to six rows to the chamber's layers and its row count is 16-bit.
constexpr int16_t MaxTableRows = 32763;

// Far beyond any real table; keeps a wrong file from being read whole into memory.
constexpr std::size_t MaxFileSize = 16 * 1024 * 1024;

// What is wrong with an item that did not read, named by what it should have been.
Failure badItem(const ItemReader &reader, std::string_view item, ParseStatus status,
                const std::string &what)
{
    if (item.empty())
        return {reader.atEnd() ? "the file ends before " + what : what + " is missing"};
    const std::string quoted = what + " \"" + std::string(item) + "\"";
    if (status == ParseStatus::OutOfRange)
        return {quoted + " is too large for a single-precision number"};
    return {quoted + " is not a number"};
}

// Reads one number item; item holds its text for the reason when it does not read.
ParseStatus readNumber(ItemReader &reader, float &value, std::string_view &item)
{
    return reader.readItem(item) ? parseSingle(item, value) : ParseStatus::NotANumber;
}

std::string rowItem(const char *what, std::size_t row)
{
    return std::string(what) + " of row " + std::to_string(row + 1);
}
} // namespace

Result<ChamberDesignData> ReadChamberRecord(ItemReader &reader)
{
    reader.setSkipEmptyLines(true);
    ChamberDesignData record;
    if (!reader.readLine(record.Description))
        return Failure{"the file is empty"};
    std::string_view item;
    const std::pair<float *, const char *> sizes[] = {{&record.Width, "the width"},
                                                      {&record.Height, "the height"},
                                                      {&record.Length, "the length"}};
    for (const auto &[value, what] : sizes) {
        if (const ParseStatus status = readNumber(reader, *value, item); status != ParseStatus::Ok)
            return badItem(reader, item, status, what);
    }
    if (!reader.readItem(item))
        return badItem(reader, item, ParseStatus::NotANumber, "the number of rows");
    if (parseInt16Item(item, record.NumPoints) != ParseStatus::Ok || record.NumPoints < 2 ||
        record.NumPoints > MaxTableRows)
        return Failure{"the number of rows must be a whole number from 2 to " +
                       std::to_string(MaxTableRows) + ", not \"" + std::string(item) + "\""};

    const auto rows = static_cast<std::size_t>(record.NumPoints);
    record.Stage.assign(rows, 0.0f);
    record.Storage.assign(rows, 0.0f);
    for (std::size_t i = 0; i < rows; ++i) {
        if (const ParseStatus status = readNumber(reader, record.Stage[i], item);
            status != ParseStatus::Ok)
            return badItem(reader, item, status, rowItem("the stage", i));
        if (const ParseStatus status = readNumber(reader, record.Storage[i], item);
            status != ParseStatus::Ok)
            return badItem(reader, item, status, rowItem("the storage", i));
        if (i > 0 && !(record.Stage[i] > record.Stage[i - 1]))
            return Failure{"the stages must increase (row " + std::to_string(i + 1) + ")"};
    }
    return record;
}

Result<ChamberDesignData> ReadChamberRecord(std::string_view text)
{
    ItemReader reader(text);
    return ReadChamberRecord(reader);
}

Result<ChamberDesignData> LoadChamberData(const std::string &path)
{
    // C stdio, unbuffered: a file that fits the buffer is read in one call and never copied.
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return Failure{std::string("cannot open the file: ") + std::strerror(errno)};
    std::setvbuf(file, nullptr, _IONBF, 0);
    char buffer[16384];
    std::size_t count = std::fread(buffer, 1, sizeof buffer, file);
    std::string larger;
    while (count == sizeof buffer && larger.size() <= MaxFileSize) {
        larger.append(buffer, count);
        count = std::fread(buffer, 1, sizeof buffer, file);
    }
    if (!larger.empty())
        larger.append(buffer, count);
    const bool readFailed = std::ferror(file) != 0;
    const int readErrno = errno;
    std::fclose(file);
    if (readFailed)
        return Failure{std::string("cannot read the file: ") + std::strerror(readErrno)};
    if (larger.size() > MaxFileSize)
        return Failure{"the file is larger than any chamber data file (" +
                       std::to_string(MaxFileSize / 1024 / 1024) + " MiB)"};
    return ReadChamberRecord(larger.empty() ? std::string_view(buffer, count) : larger);
}

std::string chamberDataName(int chamberTypeIndex)
{
    const ChamberModel *model = chamberModel(chamberTypeIndex);
    return model ? model->dataFile : "";
}

std::string chamberDataPath(const std::string &dataDir, int chamberTypeIndex)
{
    return dataDir + "/" + chamberDataName(chamberTypeIndex);
}

CheckFailure loadSelectedChamber(const CalcInputs &inputs, const CalcEnvironment &environment,
                                 ChamberDesignData &record)
{
    if (!chamberModel(inputs.chamberTypeIndex))
        return refuse(InputField::ChamberType, Messages::SelectChamberType);
    const std::string path = chamberDataPath(environment.dataDir, inputs.chamberTypeIndex);
    if (!FileExists(path)) {
        CalcOutcome missing = CalcOutcome::refused(InputField::None, Messages::DataFileNotFound);
        missing.chamberData = CalcOutcome::ChamberData::Missing;
        return missing;
    }
    Result<ChamberDesignData> loaded = LoadChamberData(path);
    if (!loaded) {
        CalcOutcome unreadable =
            CalcOutcome::refused(InputField::None, Messages::DataFileUnreadable);
        unreadable.chamberData = CalcOutcome::ChamberData::Unreadable;
        return unreadable;
    }
    record = std::move(loaded).value();
    return std::nullopt;
}
