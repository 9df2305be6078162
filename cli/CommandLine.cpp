#include "CommandLine.h"

#include "NumberConversions.h"
#include "RoutingExports.h"
#include "SwmmExport.h"

namespace {
Result<ExportKind> readFormat(const std::string &name)
{
    if (const ExportFormat *format = exportFormatNamed(name))
        return format->kind;
    return Failure{"unknown format \"" + name + "\" (use one of " + exportFormatNames() + ")"};
}

Result<double> readInfiltrationRate(const std::string &text)
{
    const std::optional<double> rate = numbers::parseDecimal(text);
    if (!rate || !checkInfiltrationRate(*rate))
        return Failure{"--infiltration-rate needs a positive number of inches per hour, not \"" +
                       text + "\""};
    return *rate;
}

// The option's value: after "=" in the same argument, or the next argument.
std::optional<std::string> optionValue(const std::vector<std::string> &args, std::size_t &i,
                                       const std::string &option)
{
    const std::string &arg = args[i];
    if (arg.size() > option.size() && arg.compare(0, option.size() + 1, option + "=") == 0)
        return arg.substr(option.size() + 1);
    if (i + 1 >= args.size())
        return std::nullopt;
    return args[++i];
}

bool isOption(const std::string &arg, const std::string &option)
{
    return arg == option || arg.rfind(option + "=", 0) == 0;
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
                return Failure{"--format needs one of " + exportFormatNames()};
            const Result<ExportKind> format = readFormat(separate ? args[++i] : arg.substr(9));
            if (!format)
                return format.failure();
            line.format = *format;
        } else if (isOption(arg, "--node-name")) {
            const std::optional<std::string> name = optionValue(args, i, "--node-name");
            if (!name)
                return Failure{"--node-name needs a name"};
            if (const Result<void> valid = checkSwmmNodeName(*name); !valid)
                return Failure{"--node-name: " + valid.reason()};
            line.nodeName = *name;
        } else if (isOption(arg, "--infiltration-rate")) {
            const std::optional<std::string> text = optionValue(args, i, "--infiltration-rate");
            if (!text)
                return Failure{"--infiltration-rate needs a number of inches per hour"};
            const Result<double> rate = readInfiltrationRate(*text);
            if (!rate)
                return rate.failure();
            line.infiltrationRate = *rate;
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
    if (line.printTable && line.format != ExportKind::Report)
        return Failure{
            "--table prints the report's table and cannot be combined with --format json, "
            "csv, swmm or stage-storage"};
    if ((!line.nodeName.empty() || line.infiltrationRate) &&
        line.format != ExportKind::SwmmStorageNode)
        return Failure{"--node-name and --infiltration-rate describe the SWMM storage node and "
                       "need --format swmm"};
    if (!line.help && !line.version && line.projectPath.empty())
        return Failure{"no project file given"};
    return line;
}

std::string CommandLine::usage()
{
    return "Usage: tessivane-calc [--data-dir DIR] [--yes] [--table | --format FORMAT] [--save]\n"
           "                      [--node-name NAME] [--infiltration-rate IN_PER_HR] PROJECT.tvc\n"
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
           "  --node-name NAME\n"
           "                  with --format swmm: the storage node's name (default: from\n"
           "                  the project name); its outlet is NAME_Overflow to NAME_Out\n"
           "  --infiltration-rate IN_PER_HR\n"
           "                  with --format swmm: the design infiltration rate, written as\n"
           "                  the node's constant seepage rate through the bed's plan area\n"
           "  --save          write the project back with its results and report\n"
           "  --help          show this text\n"
           "  --version       show the version\n"
           "\n"
           "Exit status: 0 done, 1 unreadable project file, failed save or usage error,\n"
           "2 calculation refused (the reason is on standard error),\n"
           "3 stopped at a question (use --yes to proceed).\n";
}
