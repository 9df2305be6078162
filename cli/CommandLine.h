#pragma once

#include "DesignTarget.h"
#include "ExportFormats.h"
#include "Result.h"

#include <optional>
#include <string>
#include <vector>

// The options of tessivane-calc.
struct CommandLine
{
    std::string dataDir; // empty: the program's own directory
    bool answerYes = false;
    bool printTable = false;
    // What is printed after a successful calculation: an export of ExportFormats by its
    // --format name (the report by default; --table gives the stage vs area table).
    ExportKind format = ExportKind::Report;
    bool save = false;
    std::string nodeName; // --format swmm: the storage node's name
    // The design target's settings given here (--size, --below, --max-*,
    // --infiltration-rate); they replace the project's own.
    DesignTarget target;
    bool size = false; // --size: list the layouts that hold the required storage
    bool help = false;
    bool version = false;
    std::string projectPath;

    // Parses the arguments (without the program name); a usage error gives its reason.
    static Result<CommandLine> parse(const std::vector<std::string> &args);
    static std::string usage();
};
