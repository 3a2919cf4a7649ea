#pragma once
// The printer's dot characters: each character is 5 columns by 7 rows of
// dots, as the thermal head burnt them. Plain data, so every front end draws
// the same paper.

#include <array>
#include <cstdint>

struct DotGlyph {
    static constexpr int Columns = 5;
    static constexpr int Rows = 7;

    // Bit 4 of a row is the leftmost dot.
    std::array<std::uint8_t, Rows> rows{};

    constexpr bool Dot(int row, int column) const
    {
        return (rows[static_cast<std::size_t>(row)] >> (Columns - 1 - column) & 1) != 0;
    }
    constexpr bool operator==(const DotGlyph&) const = default;
};

// False for characters the printer never prints.
bool HasGlyph(wchar_t character);

// The glyph of a printed character; one the printer never prints gets a
// hollow box, so it shows on the paper instead of vanishing.
const DotGlyph& GlyphOf(wchar_t character);
