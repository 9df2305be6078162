#include "ChamberDataFile.h"

#include "InputFields.h"
#include "ItemReader.h"
#include "Messages.h"
#include "TextParsers.h"

#include <cstdio>
#include <istream>

namespace {
// The pond table adds up to six rows to the chamber's layers and its row count is 16-bit.
constexpr int16_t MaxTableRows = 32763;

// Far beyond any real table; keeps a wrong file from being read whole into memory.
constexpr std::streamsize MaxFileSize = 16 * 1024 * 1024;

bool tableIsUsable(const ChamberDesignData &record)
{
    if (record.NumPoints < 2)
        return false;
    for (std::size_t i = 1; i < record.Stage.size(); ++i) {
        if (!(record.Stage[i] > record.Stage[i - 1]))
            return false;
    }
    return true;
}
} // namespace

bool ReadChamberRecord(ItemReader &reader, ChamberDesignData &record)
{
    reader.setSkipEmptyLines(true);
    if (!reader.readLine(record.Description))
        return false;
    if (!reader.readSingleItem(record.Width) || !reader.readSingleItem(record.Height) ||
        !reader.readSingleItem(record.Length) || !reader.readInt16Item(record.NumPoints))
        return false;
    if (record.NumPoints < 1 || record.NumPoints > MaxTableRows)
        return false;
    const auto rows = static_cast<std::size_t>(record.NumPoints);
    record.Stage.assign(rows, 0.0f);
    record.Storage.assign(rows, 0.0f);
    for (std::size_t i = 0; i < rows; ++i) {
        if (!reader.readSingleItem(record.Stage[i]) || !reader.readSingleItem(record.Storage[i]))
            return false;
    }
    return tableIsUsable(record);
}

bool ReadChamberRecord(std::istream &in, ChamberDesignData &record)
{
    std::string text;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (static_cast<std::streamsize>(text.size()) > MaxFileSize)
            return false;
    }
    if (in.bad())
        return false;
    ItemReader reader(text);
    return ReadChamberRecord(reader, record);
}

bool LoadChamberData(const std::string &path, ChamberDesignData &record)
{
    // C stdio: opening and reading a small file this way costs a fraction of a stream's.
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::string text;
    char buffer[8192];
    std::size_t count = 0;
    bool tooLarge = false;
    while (!tooLarge && (count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, count);
        tooLarge = static_cast<std::streamsize>(text.size()) > MaxFileSize;
    }
    const bool failed = tooLarge || std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return false;
    ItemReader reader(text);
    return ReadChamberRecord(reader, record);
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
    if (!FileExists(path))
        return refuse(InputField::None, Messages::DataFileNotFound);
    if (!LoadChamberData(path, record))
        return refuse(InputField::None, Messages::DataFileUnreadable);
    return std::nullopt;
}
