#include "CommandLine.h"

namespace {
const char *const FormatNames = "report, json, csv, swmm, stage-storage";

bool readFormat(const std::string &name, OutputFormat &format, std::string &error)
{
    if (name == "report")
        format = OutputFormat::Report;
    else if (name == "json")
        format = OutputFormat::Json;
    else if (name == "csv")
        format = OutputFormat::Csv;
    else if (name == "swmm")
        format = OutputFormat::Swmm;
    else if (name == "stage-storage")
        format = OutputFormat::StageStorage;
    else {
        error = "unknown format \"" + name + "\" (use one of " + FormatNames + ")";
        return false;
    }
    return true;
}
} // namespace

std::optional<CommandLine> CommandLine::parse(const std::vector<std::string> &args,
                                              std::string &error)
{
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (arg == "--yes") {
            line.answerYes = true;
        } else if (arg == "--table") {
            line.printTable = true;
        } else if (arg == "--save") {
            line.save = true;
        } else if (arg == "--data-dir") {
            if (i + 1 >= args.size()) {
                error = "--data-dir needs a directory";
                return std::nullopt;
            }
            line.dataDir = args[++i];
        } else if (arg.rfind("--data-dir=", 0) == 0) {
            line.dataDir = arg.substr(11);
        } else if (arg == "--format") {
            if (i + 1 >= args.size()) {
                error = std::string("--format needs one of ") + FormatNames;
                return std::nullopt;
            }
            if (!readFormat(args[++i], line.format, error))
                return std::nullopt;
        } else if (arg.rfind("--format=", 0) == 0) {
            if (!readFormat(arg.substr(9), line.format, error))
                return std::nullopt;
        } else if (arg == "--") {
            if (i + 1 < args.size() && line.projectPath.empty() && i + 2 == args.size()) {
                line.projectPath = args[i + 1];
                break;
            }
            error = "expected one project file after --";
            return std::nullopt;
        } else if (!arg.empty() && arg[0] == '-') {
            error = "unknown option " + arg;
            return std::nullopt;
        } else if (line.projectPath.empty()) {
            line.projectPath = arg;
        } else {
            error = "only one project file may be given";
            return std::nullopt;
        }
    }
    if (line.printTable && line.format != OutputFormat::Report) {
        error = "--table prints the report's table and cannot be combined with --format json, "
                "csv, swmm or stage-storage";
        return std::nullopt;
    }
    if (!line.help && !line.version && line.projectPath.empty()) {
        error = "no project file given";
        return std::nullopt;
    }
    return line;
}

std::string CommandLine::usage()
{
    return "Usage: tessivane-calc [--data-dir DIR] [--yes] [--table | --format FORMAT] [--save]\n"
           "                      PROJECT.tvc\n"
           "\n"
           "Calculates the equivalent pond of the chamber bed that PROJECT.tvc describes,\n"
           "exactly as the calculator's Calculate button does, and prints the report.\n"
           "\n"
           "  --data-dir DIR  look up the chamber data files (RX-160.dat, RX-300.dat) in DIR\n"
           "                  (default: the directory of this program)\n"
           "  --yes           answer Yes to the questions about a foundation or cover\n"
           "                  thinner than 6 inches (without it the run stops there)\n"
           "  --table         print the stage vs area table (stage TAB area) instead\n"
           "  --format FORMAT what to print: report (the default), json (inputs, chamber\n"
           "                  data, system size, equivalent pond, storage table and its\n"
           "                  check against the bed, as one JSON document), csv (the\n"
           "                  storage table with a header line), swmm (a SWMM 5 input\n"
           "                  file with the bed as one storage node) or stage-storage\n"
           "                  (elevation and cumulative storage, CSV)\n"
           "  --save          write the project back with its results and report\n"
           "  --help          show this text\n"
           "  --version       show the version\n"
           "\n"
           "Exit status: 0 done, 1 unreadable project file, failed save or usage error,\n"
           "2 calculation refused (the reason is on standard error),\n"
           "3 stopped at a question (use --yes to proceed).\n";
}
