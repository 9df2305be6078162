#pragma once

#include <optional>
#include <string>
#include <vector>

// What tessivane-calc prints after a successful calculation.
enum class OutputFormat
{
    Report,       // the report, or with --table the stage vs area table
    Json,         // everything about the result as one JSON document
    Csv,          // the storage table
    Swmm,         // the bed as a SWMM 5 storage node (an input file)
    StageStorage, // the bed's elevation–storage table
};

// The options of tessivane-calc.
struct CommandLine
{
    std::string dataDir; // empty: the program's own directory
    bool answerYes = false;
    bool printTable = false;
    OutputFormat format = OutputFormat::Report;
    bool save = false;
    bool help = false;
    bool version = false;
    std::string projectPath;

    // Parses the arguments (without the program name); on a usage error returns nothing and
    // sets the error text.
    static std::optional<CommandLine> parse(const std::vector<std::string> &args,
                                            std::string &error);
    static std::string usage();
};
