#pragma once
// Program listings as text: lines "NNN CC ..." (step, key code, anything
// after), as List writes them. Reading takes the key-code column and wants
// the steps in order; writing gives the lines of the listing file.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

using ProgramSteps1000 = std::array<std::uint8_t, 1000>;

struct ListingRead {
    std::optional<ProgramSteps1000> steps; // steps not listed are 0
    std::wstring problem;                  // "line 4: ..." when steps is empty
};

// UTF-8, or UTF-16 with a byte-order mark.
ListingRead ReadListingText(std::span<const unsigned char> bytes);

// The listing file's lines for a program, without line ends.
std::vector<std::wstring> ListingFileLines(std::span<const std::uint8_t, 1000> program);
