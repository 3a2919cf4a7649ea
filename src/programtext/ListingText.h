#pragma once
// Program listings as text: lines "NNN CC ..." (step, key code, anything
// after), as List writes them. Reading takes the key-code column and wants
// the steps in order.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

using ProgramSteps1000 = std::array<std::uint8_t, 1000>;

struct ListingRead {
    std::optional<ProgramSteps1000> steps; // steps not listed are 0
    std::wstring problem;                  // "line 4: ..." when steps is empty
};

// UTF-8, or UTF-16 with a byte-order mark.
ListingRead ReadListingText(std::span<const unsigned char> bytes);
