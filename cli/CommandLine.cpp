#include "CommandLine.h"

namespace {
const char *const FormatNames = "report, json, csv, swmm, stage-storage";

Result<OutputFormat> readFormat(const std::string &name)
{
    if (name == "report")
        return OutputFormat::Report;
    if (name == "json")
        return OutputFormat::Json;
    if (name == "csv")
        return OutputFormat::Csv;
    if (name == "swmm")
        return OutputFormat::Swmm;
    if (name == "stage-storage")
        return OutputFormat::StageStorage;
    return Failure{"unknown format \"" + name + "\" (use one of " + FormatNames + ")"};
}
} // namespace

Result<CommandLine> CommandLine::parse(const std::vector<std::string> &args)
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
            if (i + 1 >= args.size())
                return Failure{"--data-dir needs a directory"};
            line.dataDir = args[++i];
        } else if (arg.rfind("--data-dir=", 0) == 0) {
            line.dataDir = arg.substr(11);
        } else if (arg == "--format" || arg.rfind("--format=", 0) == 0) {
            const bool separate = arg == "--format";
            if (separate && i + 1 >= args.size())
                return Failure{std::string("--format needs one of ") + FormatNames};
            const Result<OutputFormat> format = readFormat(separate ? args[++i] : arg.substr(9));
            if (!format)
                return format.failure();
            line.format = *format;
        } else if (arg == "--") {
            if (i + 1 < args.size() && line.projectPath.empty() && i + 2 == args.size()) {
                line.projectPath = args[i + 1];
                break;
            }
            return Failure{"expected one project file after --"};
        } else if (!arg.empty() && arg[0] == '-') {
            return Failure{"unknown option " + arg};
        } else if (line.projectPath.empty()) {
            line.projectPath = arg;
        } else {
            return Failure{"only one project file may be given"};
        }
    }
    if (line.printTable && line.format != OutputFormat::Report)
        return Failure{
            "--table prints the report's table and cannot be combined with --format json, "
            "csv, swmm or stage-storage"};
    if (!line.help && !line.version && line.projectPath.empty())
        return Failure{"no project file given"};
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
