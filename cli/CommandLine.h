#pragma once

#include "Result.h"

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
    std::string nodeName;                   // --format swmm: the storage node's name
    std::optional<double> infiltrationRate; // --format swmm: in/hr the bed seeps at
    bool help = false;
    bool version = false;
    std::string projectPath;

    // Parses the arguments (without the program name); a usage error gives its reason.
    static Result<CommandLine> parse(const std::vector<std::string> &args);
    static std::string usage();
};
