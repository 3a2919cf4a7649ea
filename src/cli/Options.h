#pragma once
// The command line: norvane-cli run | asm | list | keys | --help | --version,
// and their options.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

enum class Command { Help, Version, Keys, Run, Asm, List };

// A key script named on the command line: inline text or a file to read.
struct ScriptArgument {
    bool isFile = false;
    std::string value; // the text itself, or the file's path
};

struct CliOptions {
    Command command = Command::Help;
    std::vector<ScriptArgument> scripts;            // run: none means standard input
    std::optional<std::filesystem::path> load;      // program file or listing text
    std::array<std::optional<std::filesystem::path>, 3> modules;
    std::optional<std::filesystem::path> printFile;
    std::optional<std::filesystem::path> writeFolder;
    std::optional<std::filesystem::path> save;
    // Files the keyboard's Write, INV Write and List use.
    std::optional<std::filesystem::path> programOut;
    std::optional<std::filesystem::path> programIn;
    std::optional<std::filesystem::path> listingOut;
    bool showStops = false;
    std::uint64_t maxSteps = 100'000'000;
    bool stats = false;
    // asm and list
    std::filesystem::path source;
    std::optional<std::filesystem::path> output;
    bool keys = false; // list: the key-script form
};

struct ParsedOptions {
    CliOptions options;
    std::string error; // empty when the command line is good
};

// argv without the program name.
ParsedOptions ParseOptions(const std::vector<std::string>& args);
