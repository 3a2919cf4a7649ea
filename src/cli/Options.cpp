#include "cli/Options.h"

#include <cctype>
#include <charconv>
#include <functional>
#include <map>

namespace {

using Setter = std::function<std::string(CliOptions&, const std::string&)>;

std::string SetPath(std::optional<std::filesystem::path>& target, const std::string& value)
{
    target = std::filesystem::path(value);
    return {};
}

std::string SetModule(CliOptions& o, const std::string& value)
{
    const auto equals = value.find('=');
    if (equals != 1 || value[0] < '0' || value[0] > '2' || value.size() < 3)
        return "--module wants SLOT=FILE with SLOT 0, 1 or 2, not '" + value + "'";
    o.modules[static_cast<std::size_t>(value[0] - '0')] = std::filesystem::path(value.substr(2));
    return {};
}

std::string SetMaxSteps(CliOptions& o, const std::string& value)
{
    std::uint64_t n = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (ec != std::errc() || end != value.data() + value.size() || n == 0)
        return "--max-steps wants a whole number of steps above 0, not '" + value + "'";
    o.maxSteps = n;
    return {};
}

// The options of run that take a value.
const std::map<std::string, Setter>& RunValueOptions()
{
    static const std::map<std::string, Setter> options = {
        {"--load", [](CliOptions& o, const std::string& v) { return SetPath(o.load, v); }},
        {"--module", SetModule},
        {"--print-file", [](CliOptions& o, const std::string& v) { return SetPath(o.printFile, v); }},
        {"--write-folder", [](CliOptions& o, const std::string& v) { return SetPath(o.writeFolder, v); }},
        {"--save", [](CliOptions& o, const std::string& v) { return SetPath(o.save, v); }},
        {"--program-out", [](CliOptions& o, const std::string& v) { return SetPath(o.programOut, v); }},
        {"--program-in", [](CliOptions& o, const std::string& v) { return SetPath(o.programIn, v); }},
        {"--listing-out", [](CliOptions& o, const std::string& v) { return SetPath(o.listingOut, v); }},
        {"--max-steps", SetMaxSteps},
        {"-e", [](CliOptions& o, const std::string& v) { o.scripts.push_back({false, v}); return std::string(); }},
        {"-f", [](CliOptions& o, const std::string& v) { o.scripts.push_back({true, v}); return std::string(); }},
    };
    return options;
}

// "---" and "-" are keys, not options.
bool LooksLikeOption(const std::string& arg)
{
    const std::size_t dashes = arg.rfind("--", 0) == 0 ? 2 : arg.rfind('-', 0) == 0 ? 1 : 0;
    return dashes > 0 && arg.size() > dashes && std::isalpha(static_cast<unsigned char>(arg[dashes]));
}

std::string ParseRun(const std::vector<std::string>& args, CliOptions& o)
{
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--show-stops") {
            o.showStops = true;
        } else if (arg == "--stats") {
            o.stats = true;
        } else if (const auto it = RunValueOptions().find(arg); it != RunValueOptions().end()) {
            if (i + 1 >= args.size())
                return arg + " wants a value";
            if (std::string problem = it->second(o, args[++i]); !problem.empty())
                return problem;
        } else if (arg == "--help") {
            o.command = Command::Help;
            return {};
        } else if (LooksLikeOption(arg)) {
            return "unknown option '" + arg + "'";
        } else {
            o.scripts.push_back({false, arg});
        }
    }
    return {};
}

std::string ParseAsmOrList(const std::vector<std::string>& args, CliOptions& o)
{
    bool haveSource = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-o" && o.command == Command::Asm) {
            if (i + 1 >= args.size())
                return "-o wants a file name";
            o.output = std::filesystem::path(args[++i]);
        } else if (arg == "--keys" && o.command == Command::List) {
            o.keys = true;
        } else if (LooksLikeOption(arg)) {
            return "unknown option '" + arg + "'";
        } else if (haveSource) {
            return "one file only, not also '" + arg + "'";
        } else {
            o.source = arg;
            haveSource = true;
        }
    }
    if (!haveSource)
        return o.command == Command::Asm ? "asm wants a source file" : "list wants a program file";
    if (o.command == Command::Asm && !o.output)
        return "asm wants -o PROGRAM.ti";
    return {};
}

} // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args)
{
    ParsedOptions parsed;
    CliOptions& o = parsed.options;
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        o.command = Command::Help;
        return parsed;
    }
    if ((args[0] == "--version" || args[0] == "keys") && args.size() == 1) {
        o.command = args[0] == "keys" ? Command::Keys : Command::Version;
        return parsed;
    }
    if (args[0] == "run") {
        o.command = Command::Run;
        parsed.error = ParseRun(args, o);
    } else if (args[0] == "asm" || args[0] == "list") {
        o.command = args[0] == "asm" ? Command::Asm : Command::List;
        parsed.error = ParseAsmOrList(args, o);
    } else {
        parsed.error = "unknown command '" + args[0] + "' (run, asm, list, keys or --help)";
    }
    return parsed;
}
