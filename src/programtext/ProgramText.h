#pragma once
// Programs as text, in the forms people write them: our listing ("000 76 LBL",
// or step and code alone), key codes alone with or without step numbers, and
// key scripts as the CLI takes them and as printed listings write them. Blank
// lines, headers, comments after "#" or ";" and page numbers are passed over.
// One reader for every front end; the form is told line by line.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "printer/Listing.h"

using ProgramSteps1000 = std::array<std::uint8_t, ProgramSteps>;

enum class ProgramTextForm { Listing, KeyCodes, KeyScript };

struct ProgramTextError {
    int line = 0;   // 1-based
    int column = 0; // 1-based, in characters
    std::wstring found;
    std::wstring expected;

    // "line 3, column 5: expected a key name, a number or @NN, found "SOT""
    std::wstring Message() const;
};

struct ProgramTextRead {
    ProgramSteps1000 steps{}; // steps the text does not give are 0
    int first = 0;            // the first step the text gives
    int end = 0;              // one past the last step the text gives; 0: no program in it
    ProgramTextForm form = ProgramTextForm::KeyScript;
    std::optional<ProgramTextError> error; // set: nothing is to be loaded
};

ProgramTextRead ReadProgramText(std::wstring_view text);
// UTF-8, or UTF-16 with a byte-order mark.
ProgramTextRead ReadProgramText(std::span<const unsigned char> bytes);

// Steps 0 to end - 1 (an instruction's operands past it included), one step
// a line as List writes them: "000 76 LBL", "001 11 A".
std::wstring WriteListingText(ProgramArea steps, int end);

// The same steps as a key script, one instruction a line ("LBL A",
// "STO 05", "GTO 123"); steps no key types are written "@NN".
std::wstring WriteKeyScript(ProgramArea steps, int end);
