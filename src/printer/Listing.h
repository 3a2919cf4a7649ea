#pragma once
// Program listings: which steps of a program area are instructions and which
// are the operands of the instruction before them, and the text of each line.
// The debugger's list, the listing file, the printer's label list and the
// command-line front end all walk programs this one way.

#include "core/MemorySize.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

inline constexpr int ProgramSteps = kStepCount;
using ProgramArea = std::span<const std::uint8_t, ProgramSteps>;

// The operand rules differ slightly between the places that list programs.
enum class ListingRules {
    Display, // debugger and command line: IFF takes a flag and an address
    File,    // listing file: the steps after IFF are plain instructions
    Labels,  // label scan: as Display, and LBL takes its label step
};

// What the third field of a line shows.
enum class ListingField {
    Mnemonic,  // an instruction, or a label standing as an operand
    TwoDigits, // a register, flag or the last two digits of an address
    Hundreds,  // the hundreds digit of an address
};

struct ListingLine {
    int step = 0;
    int code = 0;
    ListingField field = ListingField::Mnemonic;
    bool isOperand = false;

    // The third field: "STO", "05", "1".
    std::wstring Instruction() const;
    // The three fields separated by single spaces: "001 05 05".
    std::wstring Text() const;

    bool operator==(const ListingLine&) const = default;
};

// The lines for the instructions that start at steps first to last, in order.
// An instruction's operand steps are listed with it even past last, but never
// past the end of the area. A walk started inside an instruction's operands
// reads them as instructions.
std::vector<ListingLine> FormatListing(ProgramArea area, int first, int last,
                                       ListingRules rules = ListingRules::Display);
