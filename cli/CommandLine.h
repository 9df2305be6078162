#pragma once

#include <optional>
#include <string>
#include <vector>

// The options of tessivane-calc.
struct CommandLine
{
    std::string dataDir; // empty: the program's own directory
    bool answerYes = false;
    bool printTable = false;
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
