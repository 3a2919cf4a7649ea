#include "cli/HelpText.h"

#include "programtext/KeyNames.h"
#include "core/KeyCodes.h"

namespace {

constexpr const wchar_t* kUsage =
    LR"(Usage: norvane-cli run [OPTION]... [SCRIPT]...
  or:  norvane-cli asm SOURCE -o PROGRAM.ti
  or:  norvane-cli list [--keys] PROGRAM.ti
  or:  norvane-cli keys
  or:  norvane-cli --help | --version
The TI-59 programmable calculator without windows.

run starts a calculator (Master Library in slot 0), types the key script and
prints every printer line, then the display (" ?" after it in the error
state). SCRIPT arguments are key-script text; with none the script is read
from standard input. A key that starts a program runs it to its stop before
the next key is typed.

asm types the key-script SOURCE in learn mode (LRN, the keys, LRN) and writes
the program file.

list writes the program's listing, as List writes it, to standard output;
with --keys, the program as a key script that asm reads back.

keys lists the key names by code.

Options of run:
  -e TEXT              key-script text (same as a plain argument)
  -f FILE              a key-script file
  --load FILE          a program file (named .ti) or else a listing text, before the script
  --module SLOT=FILE   a module file (.mod) into slot 0, 1 or 2
  --print-file FILE    also append printed lines to this UTF-16 print file
  --write-folder DIR   folder of the memory-bank files Memory#n (default: .)
  --save FILE          write the program file when the script ends
  --program-out FILE   file that the keyboard's Write saves
  --program-in FILE    file that the keyboard's INV Write loads
  --listing-out FILE   file that the keyboard's List writes
  --show-stops         also print the display at every pause and stop of a run
  --max-steps N        stop a run after N steps (default 100000000); exit status 3
  --stats              steps, run time and steps per second on standard error

Key scripts:
 Tokens separated by white space; # starts a comment to the end of the line.
 A token is a number (digits with at most one point, typed key by key), a key
 name (any case, see norvane-cli keys), or @NN for key code NN. Operands are
 typed as on the keyboard: STO 05, GTO 123, GTO A, STO IND 12, FIX 2, OP 20,
 PGM 02 SBR A.

Exit status:
 0 done, 2 bad command line, unknown token or unreadable file (nothing is
 run), 3 a run stopped by --max-steps.
)";

} // namespace

std::wstring KeyNameTable()
{
    std::wstring table;
    for (int code = 0; code <= Key::Last; ++code) {
        std::wstring number = std::to_wstring(code);
        if (number.size() < 2)
            number.insert(0, 1, L'0');
        std::wstring names;
        for (const std::wstring& name : NamesOfCode(static_cast<std::uint8_t>(code)))
            names += (names.empty() ? L"" : L"  ") + name;
        table += L"  " + number + L"  " + (names.empty() ? L"@" + number : names) + L"\n";
    }
    return table;
}

std::wstring HelpText() { return kUsage; }
