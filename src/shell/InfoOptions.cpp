#include "shell/InfoOptions.h"

#include <string_view>

namespace {
constexpr std::string_view kHelp =
    R"(Usage: norvane [PROGRAM.ti]
The TI-59 programmable calculator on the desktop: click its keys or type
them, write and run programs, print on its 20-column paper, run the 25
programs of the built-in Master Library, and follow a program in the
debugger.

Without an argument the program kept at the last exit comes back. With a
program file, that file and its memo (PROGRAM.tiz beside it) are loaded
instead; the whole command line is one file name, spaces included. At exit
the program in memory is kept, not written back to the named file.

Right-click the calculator for its menu: Printer, Debug, Edit Memo,
Modules, Options.

Options:
  --help       display this help and exit
  --version    output version information and exit
)";
}  // namespace

std::optional<int> AnswerInfoOption(int argc, const char* const* argv, std::ostream& out)
{
    if (argc != 2)
        return std::nullopt;
    const std::string_view argument = argv[1];
    if (argument == "--help")
        out << kHelp;
    else if (argument == "--version")
        out << "norvane " NORVANE_VERSION "\n";
    else
        return std::nullopt;
    return 0;
}
