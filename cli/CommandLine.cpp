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

// The options that set the design target, each one setting's text.
struct TargetOption
{
    const char *option;
    std::string DesignTarget::*text;
};
constexpr TargetOption TargetOptions[] = {
    {"--size", &DesignTarget::requiredStorage},
    {"--below", &DesignTarget::elevation},
    {"--max-length", &DesignTarget::maxLength},
    {"--max-width", &DesignTarget::maxWidth},
    {"--max-rows", &DesignTarget::maxRows},
    {"--max-per-row", &DesignTarget::maxPerRow},
    {"--infiltration-rate", &DesignTarget::infiltrationRate},
};

Result<void> checkTarget(const DesignTarget &target)
{
    const TargetReading reading = readTarget(target);
    if (!reading.ok()) {
        for (const TargetOption &option : TargetOptions) {
            if (option.text == reading.problem->text)
                return Failure{std::string(option.option) + ": " + reading.message + " (not \"" +
                               target.*option.text + "\")"};
        }
    }
    if (const auto rate = reading.values.infiltrationRate) {
        if (const Result<void> seeps = checkInfiltrationRate(*rate); !seeps)
            return Failure{"--infiltration-rate: " + seeps.reason()};
    }
    return {};
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
const TargetOption *targetOption(const std::string &arg)
{
    for (const TargetOption &option : TargetOptions) {
        if (isOption(arg, option.option))
            return &option;
    }
    return nullptr;
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
        } else if (const TargetOption *option = targetOption(arg)) {
            const std::optional<std::string> text = optionValue(args, i, option->option);
            if (!text)
                return Failure{std::string(option->option) + " needs a value"};
            line.target.*option->text = *text;
            line.size = line.size || option->text == &DesignTarget::requiredStorage;
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
    if (!line.nodeName.empty() && line.format != ExportKind::SwmmStorageNode)
        return Failure{"--node-name names the SWMM storage node and needs --format swmm"};
    if (const Result<void> target = checkTarget(line.target); !target)
        return target.failure();
    const bool layoutLimits = !line.target.maxLength.empty() || !line.target.maxWidth.empty() ||
                              !line.target.maxRows.empty() || !line.target.maxPerRow.empty();
    if (layoutLimits && !line.size)
        return Failure{"--max-length, --max-width, --max-rows and --max-per-row limit the "
                       "layouts of --size"};
    if (line.size &&
        (line.printTable || (line.format != ExportKind::Report && line.format != ExportKind::Json &&
                             line.format != ExportKind::StorageCsv)))
        return Failure{"--size prints its layouts as a table, or with --format json or csv"};
    if (!line.help && !line.version && line.projectPath.empty())
        return Failure{"no project file given"};
    return line;
}

std::string CommandLine::usage()
{
    return "Usage: tessivane-calc [--data-dir DIR] [--yes] [--table | --format FORMAT] [--save]\n"
           "                      [--node-name NAME] [--infiltration-rate IN_PER_HR]\n"
           "                      [--below ELEVATION] PROJECT.tvc\n"
           "       tessivane-calc --size VOLUME [--below ELEVATION] [--max-length FT]\n"
           "                      [--max-width FT] [--max-rows N] [--max-per-row N]\n"
           "                      [--format json|csv] PROJECT.tvc\n"
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
           "                  the design infiltration rate (safety factor applied): the\n"
           "                  report is followed by the time the bed takes to drain, JSON\n"
           "                  has it as \"drawdown\", and with --format swmm it is the\n"
           "                  node's constant seepage rate through the bed's plan area\n"
           "  --below ELEVATION\n"
           "                  the bed's storage below this elevation (ft) follows the report\n"
           "                  (JSON: \"storageBelow\"); with --size the storage counts below it\n"
           "  --size VOLUME   list the rectangular arrays that hold VOLUME cubic feet, the\n"
           "                  fewest chambers per row for each number of rows, from the\n"
           "                  project's other inputs (its rows and chambers per row are\n"
           "                  ignored); exit status 2 when no layout within the limits does\n"
           "  --max-length FT, --max-width FT, --max-rows N, --max-per-row N\n"
           "                  with --size: the largest layout allowed\n"
           "  --save          write the project back with its results and report (and the\n"
           "                  design target settings given here)\n"
           "  --help          show this text\n"
           "  --version       show the version\n"
           "\n"
           "Exit status: 0 done, 1 unreadable project file, failed save or usage error,\n"
           "2 calculation refused (the reason is on standard error),\n"
           "3 stopped at a question (use --yes to proceed).\n";
}
