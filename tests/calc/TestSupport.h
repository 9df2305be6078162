#pragma once

#include "CalcInputs.h"
#include "CalcOutcome.h"
#include "Calculator.h"
#include "ResultState.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace test {

// std::bit_cast, which the WebAssembly build's C++ library lacks.
template <typename To, typename From> To bitCast(const From &from)
{
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

// The equivalent pond table as (stage, area) pairs, for comparing whole tables.
using Row = std::pair<float, float>;

inline std::vector<Row> table(const ResultState &state)
{
    std::vector<Row> rows;
    for (std::size_t i = 0; i < state.EquivStage.size(); ++i)
        rows.emplace_back(state.EquivStage[i], state.EquivArea[i]);
    return rows;
}

// A value as the calculation stores it.
inline float f(double value)
{
    return static_cast<float>(value);
}

inline std::string readFile(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

inline void writeFile(const std::filesystem::path &path, const std::string &bytes)
{
    std::ofstream file(path, std::ios::binary);
    file << bytes;
}

// A fresh directory below the system's temporary folder, removed with the object.
class TempDir
{
public:
    TempDir()
    {
        std::random_device random;
        for (;;) {
            m_path = std::filesystem::temp_directory_path() /
                     ("tessivane-test-" + std::to_string(random()));
            std::error_code error;
            if (std::filesystem::create_directory(m_path, error) || error)
                break;
        }
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    const std::filesystem::path &path() const { return m_path; }
    std::string file(const std::string &name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// The worked examples: method #2 on a 30 x 18 x 48 inch chamber holding 0, 5 and 8 ft³
// at 0, 6 and 12 inches; method #1 on a chamber holding 0, 10 and 20 ft³ at 0, 12, 24.
inline CalcInputs rectangularArrayExample()
{
    CalcInputs in;
    in.method = 2;
    in.projectName = "Worked example";
    in.chamberTypeIndex = 0;
    in.rows = "2";
    in.cols = "3";
    in.foundationDepth = "6";
    in.coverThickness = "6";
    in.internalSpacing = "6";
    in.perimeterThickness = "12";
    in.porosity = "40";
    in.baseElevation = "100";
    return in;
}

inline CalcInputs knownBedAreaExample()
{
    CalcInputs in;
    in.method = 1;
    in.projectName = "Worked example";
    in.chamberTypeIndex = 0;
    in.numChambers = "10";
    in.bedArea = "1000";
    in.foundationDepth = "6";
    in.coverThickness = "6";
    in.porosity = "40";
    in.baseElevation = "100";
    return in;
}

// The inputs of examples/known-bed-area.tvc, for the shipped chamber data: 24 RX-300 chambers
// in 2400 ft², bottom area kept.
inline CalcInputs shippedKnownBedAreaExample()
{
    CalcInputs in = knownBedAreaExample();
    in.chamberTypeIndex = 1;
    in.numChambers = "24";
    in.bedArea = "2400";
    in.foundationDepth = "9";
    in.coverThickness = "12";
    in.baseElevation = "512.5";
    in.bottomAreaValue = 1;
    return in;
}

// Calculates as tessivane-calc --yes does, with the chamber data of dataDir; the result state
// goes to result when given.
inline CalcOutcome calculateAnsweringYes(const CalcInputs &inputs, const std::string &dataDir,
                                         ResultState *result = nullptr)
{
    CalcEnvironment environment;
    environment.dataDir = dataDir;
    environment.askYesNo = [](const std::string &) { return true; };
    ResultState state;
    return calculate(inputs, environment, result ? *result : state);
}

inline CalcEnvironment environmentFor(const std::string &dataSet,
                                      std::vector<std::string> *questions = nullptr,
                                      bool answer = false)
{
    CalcEnvironment environment;
    environment.dataDir = std::string(CALC_TEST_DATA) + "/" + dataSet;
    environment.askYesNo = [questions, answer](const std::string &question) {
        if (questions)
            questions->push_back(question);
        return answer;
    };
    return environment;
}

// One row of a table of field checks: the field's text, and the field and message of the
// refusal it must give (no message: the calculation goes through).
struct CheckCase
{
    const char *name;
    std::string CalcInputs::*field;
    const char *text;
    InputField expectedField;
    const char *message;
};

inline void PrintTo(const CheckCase &c, std::ostream *os)
{
    *os << c.name;
}

} // namespace test
