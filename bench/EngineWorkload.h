#pragma once

// The engine's benchmark workload, shared by the native benchmark and the one under node:
// a method #2 bed on a chamber with a 100-row table, read from a temporary folder.
#include "CalcInputs.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace bench {

// A 100-row table of a 30-inch arch, one row per 0.3 inch.
inline std::string hundredRowChamberFile()
{
    std::ostringstream file;
    file << "Benchmark chamber, 100 rows\r\n51\r\n30\r\n85\r\n100\r\n";
    for (int i = 0; i < 100; ++i)
        file << i * 0.3 << ", " << i * 0.65 << "\r\n";
    return file.str();
}

struct Fixture
{
    std::filesystem::path dir;

    Fixture()
    {
        dir = std::filesystem::temp_directory_path() / "tessivane-bench";
        std::filesystem::create_directories(dir);
        std::ofstream(dir / "RX-160.dat", std::ios::binary) << hundredRowChamberFile();
    }
    ~Fixture() { std::filesystem::remove_all(dir); }
};

inline const Fixture &fixture()
{
    static const Fixture instance;
    return instance;
}

inline CalcInputs rectangularArray()
{
    CalcInputs in;
    in.method = 2;
    in.projectName = "Benchmark";
    in.chamberTypeIndex = 0;
    in.rows = "12";
    in.cols = "20";
    in.foundationDepth = "9";
    in.coverThickness = "12";
    in.internalSpacing = "6";
    in.perimeterThickness = "12";
    in.porosity = "40";
    in.baseElevation = "512.5";
    in.bottomAreaValue = 1;
    return in;
}

} // namespace bench
