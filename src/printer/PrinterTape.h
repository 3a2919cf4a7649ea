#pragma once
// The paper that came out of the printer: the last lines printed, in a ring
// so that a program printing at full speed never grows it past its capacity,
// and where each dot of a line lies on the strip.

#include "printer/DotFont.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

class PrinterTape {
public:
    static constexpr int Columns = 20;
    static constexpr std::size_t DefaultCapacity = 10'000;
    using Line = std::array<wchar_t, Columns>;

    explicit PrinterTape(std::size_t capacity = DefaultCapacity);

    // Text past the twentieth column is off the paper; short lines end in blank paper.
    void Append(std::wstring_view text);
    void Clear();

    std::size_t Size() const { return size_; }
    std::size_t Capacity() const { return lines_.size(); }
    // 0 is the oldest line kept.
    const Line& At(std::size_t index) const;

private:
    std::vector<Line> lines_;
    std::size_t first_ = 0;
    std::size_t size_ = 0;
};

// The strip measured in dot pitches, the distance between two neighbouring
// dot centres: a character is five dots and a blank column wide, a line seven
// dots and three blank rows high, with a margin of blank paper all round.
namespace tape_geometry {
constexpr int CellWidth = 6;
constexpr int LineHeight = 10;
constexpr int Margin = 3;
constexpr int StripWidth = 2 * Margin + PrinterTape::Columns * CellWidth - 1;
// A dot is a little narrower than the pitch, so neighbours just touch.
constexpr double DotDiameter = 0.9;

// The last line needs no blank rows below it: the margin is there.
constexpr double StripHeight(std::size_t lines)
{
    return lines == 0 ? 2 * Margin : 2 * Margin + static_cast<double>(lines) * LineHeight - (LineHeight - DotGlyph::Rows);
}

struct Point {
    double x;
    double y;
};

// The centre of a dot of a character cell, from the strip's top-left corner.
constexpr Point DotCentre(std::size_t line, int column, int dotRow, int dotColumn)
{
    return {Margin + column * CellWidth + dotColumn + 0.5,
            Margin + static_cast<double>(line) * LineHeight + dotRow + 0.5};
}
} // namespace tape_geometry
