// norvane-cli: key scripts, batch runs, program text in and out.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/HelpText.h"
#include "resources/BuiltInModule.h"
#include "storage/MasterMemoFolder.h"
#include "storage/TextCodec.h"

namespace {

std::filesystem::path ExecutableFolder(const char* argv0)
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return self.parent_path();
    return std::filesystem::absolute(argv0, error).parent_path();
}

} // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ParsedOptions parsed = ParseOptions(args);
    if (!parsed.error.empty()) {
        std::cerr << "norvane-cli: " << parsed.error << " (see norvane-cli --help)\n";
        return kExitBadInput;
    }
    const CliOptions& options = parsed.options;
    switch (options.command) {
    case Command::Help:
        std::cout << storage::ToUtf8(HelpText());
        return kExitOk;
    case Command::Keys:
        std::cout << storage::ToUtf8(KeyNameTable());
        return kExitOk;
    case Command::Version:
        std::cout << "norvane-cli " NORVANE_VERSION "\n";
        return kExitOk;
    case Command::Run:
        return RunCommand(options, {BuiltInModuleImage(), MasterMemoFolder(ExecutableFolder(argv[0]))}, std::cin, std::cout, std::cerr);
    case Command::Asm:
        return AsmCommand(options, std::cout, std::cerr);
    case Command::List:
        return ListCommand(options, std::cout, std::cerr);
    }
    return kExitBadInput;
}
