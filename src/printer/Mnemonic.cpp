#include "printer/Mnemonic.h"

#include <array>

namespace {

constexpr std::array<std::wstring_view, 100> mnemonics = {
    L"0",    L"1",     L"2",    L"3",    L"4",    L"5",    L"6",    L"7",    L"8",    L"9",
    L"E'",   L"A",     L"B",    L"C",    L"D",    L"E",    L"A'",   L"B'",   L"C'",   L"D'",
    L"CLR",  L"---",   L"INV",  L"LNX",  L"CE",   L"CLR",  L"---",  L"INV",  L"LOG",  L"CP",
    L"TAN",  L"LRN",   L"X<->T", L"X\u00B2", L"SQRT", L"1/X", L"PGM", L"P->R", L"SIN", L"COS",
    L"IND",  L"SST",   L"STO",  L"RCL",  L"SUM",  L"Y^X",  L"INS",  L"CMS",  L"EXC",  L"PRD",
    L"|X|",  L"BST",   L"EE",   L"(",    L")",    L"/",    L"DEL",  L"ENG",  L"FIX",  L"INT",
    L"DEG",  L"GTO",   L"PGM*", L"EXC*", L"PRD*", L"*",    L"PAU",  L"EQ",   L"NOP",  L"OP",
    L"RAD",  L"SBR",   L"STO*", L"RCL*", L"SUM*", L"-",    L"LBL",  L"GE",   L"STA",  L"AVR",
    L"GRD",  L"RST",   L"HIR",  L"GTO*", L"Op*",  L"+",    L"STF",  L"IFF",  L"DMS",  L"PI",
    L"LST",  L"R/S",   L"RTN",  L".",    L"+/-",  L"=",    L"WRT",  L"DSZ",  L"ADV",  L"PRT",
};

} // namespace

std::wstring_view Mnemonic(int code)
{
    if (code < 0 || code >= static_cast<int>(mnemonics.size()))
        return {};
    return mnemonics[static_cast<std::size_t>(code)];
}
