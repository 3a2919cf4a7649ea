// The display text laid out on the twelve LED cells.
#include <gtest/gtest.h>

#include "face/LedCells.h"

#include <string>

namespace {

std::string Glyphs(const LedCells& cells)
{
    std::string glyphs;
    for (const LedCell& cell : cells)
        glyphs += cell.glyph;
    return glyphs;
}

int PointCell(const LedCells& cells)
{
    for (int cell = 0; cell < kLedCells; ++cell)
        if (cells[cell].point)
            return cell;
    return -1;
}

TEST(LedCells, TextOnTheCells)
{
    const struct {
        const wchar_t* text;
        bool exponent;
        const char* glyphs;
        int pointAfter;  // -1: no point lit
    } rows[] = {
        // Without exponent the text ends one cell before the last.
        {L"12.5", false, "        125 ", 9},
        {L"5.", false, "          5 ", 10},
        {L"-3", false, "         -3 ", -1},
        {L"1.2345679-12", true, " 12345679-12", 1},
        {L"000 00", true, "      000 00", -1},
        {L"[          ", false, "[           ", -1},
        // Characters without a glyph take no cell.
        {L"1E5", false, "         15 ", -1},
        // What does not fit on the left is not shown.
        {L"9.876543210123", true, "876543210123", -1},
        {L"", false, "            ", -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.glyphs);
        const LedCells cells = LayOutLedCells(row.text, row.exponent);
        EXPECT_EQ(Glyphs(cells), row.glyphs);
        EXPECT_EQ(PointCell(cells), row.pointAfter);
    }
}

TEST(LedCells, GlyphsInTheStrip)
{
    const std::pair<char, int> rows[] = {{'0', 20}, {'9', 182}, {'-', 2}, {'[', 200}, {' ', -1}, {'E', -1}};
    for (const auto& [glyph, x] : rows)
        EXPECT_EQ(LedGlyphStripX(glyph), x) << glyph;
    // The last glyph ends at the strip's right edge.
    EXPECT_EQ(LedGlyphStripX('[') + kLedGlyphWidth, kLedStripWidth);
}

}  // namespace
