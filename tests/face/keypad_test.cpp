// The keypad: the code of every key with and without 2nd, where a point hits
// a key, the typed characters, the 2nd shift and the keys a running program
// takes; and the window's zoom steps.
#include <gtest/gtest.h>

#include "face/KeyLayout.h"
#include "face/ZoomSteps.h"

#include <array>

namespace {

TEST(Keypad, CodeOfEveryKey)
{
    using Row = std::array<int, kKeyColumns>;
    const struct {
        Row first;
        Row second;
    } rows[kKeyRows] = {
        {{11, 12, 13, 14, 15}, {16, 17, 18, 19, 10}},  // A-E
        {{21, 22, 23, 24, 25}, {26, 27, 28, 29, 20}},  // 2nd INV lnx CE CLR
        {{31, 32, 33, 34, 35}, {36, 37, 38, 39, 30}},  // LRN .. 1/x
        {{41, 42, 43, 44, 45}, {46, 47, 48, 49, 40}},  // SST .. y^x
        {{51, 52, 53, 54, 55}, {56, 57, 58, 59, 50}},  // BST .. divide
        {{61, 7, 8, 9, 65}, {66, 67, 68, 69, 60}},     // GTO 7 8 9 times
        {{71, 4, 5, 6, 75}, {76, 77, 78, 79, 70}},     // SBR 4 5 6 minus
        {{81, 1, 2, 3, 85}, {86, 87, 88, 89, 80}},     // RST 1 2 3 plus
        {{91, 0, 93, 94, 95}, {96, 97, 98, 99, 90}},   // R/S 0 . +/- =
    };
    for (int row = 0; row < kKeyRows; ++row) {
        for (int column = 0; column < kKeyColumns; ++column) {
            EXPECT_EQ(KeyCodeFor(column, row, false), rows[row].first[column]) << column << ", " << row;
            EXPECT_EQ(KeyCodeFor(column, row, true), rows[row].second[column]) << column << ", " << row;
        }
    }
}

TEST(Keypad, HitTestEdges)
{
    const struct {
        int x, y;
        KeyPosition key;
        const char* where;
    } rows[] = {
        {50, 289, {0, 0}, "top-left corner of A"},
        {89, 311, {0, 0}, "last pixel of A"},
        {90, 300, {}, "right of A"},
        {111, 300, {}, "just left of B"},
        {60, 312, {}, "below A"},
        {60, 337, {}, "above 2nd"},
        {60, 338, {0, 1}, "2nd"},
        {341, 711, {4, 8}, "equals"},
        {342, 700, {}, "right of equals"},
        {320, 712, {}, "below the keys"},
        {100, 120, {}, "display"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(HitTestKey(row.x, row.y), row.key) << row.where;
}

TEST(Keypad, CharacterMap)
{
    const std::pair<char32_t, int> rows[] = {
        {8, 25},   {13, 95},  {'=', 95}, {'*', 65}, {'+', 85}, {'-', 75}, {'/', 55}, {',', 93}, {'.', 93},
        {'0', 0},  {'1', 1},  {'2', 2},  {'3', 3},  {'4', 4},  {'5', 5},  {'6', 6},  {'7', 7},  {'8', 8},
        {'9', 9},  {178, 33}, {'a', -1}, {'Z', -1}, {' ', -1}, {'(', -1}, {0x3c0, -1},
    };
    for (const auto& [character, code] : rows) {
        const std::optional<KeyPosition> key = KeyForCharacter(character);
        ASSERT_EQ(key.has_value(), code >= 0) << int(character);
        if (key) {
            EXPECT_EQ(KeyCodeFor(key->column, key->row, false), code) << int(character);
        }
    }
}

TEST(Keypad, SecondShift)
{
    const KeyPosition second{kSecondColumn, kSecondRow};
    const struct {
        KeyPosition key;
        bool pending;
        std::optional<uint8_t> code;
        bool pendingAfter;
    } rows[] = {
        {second, false, std::nullopt, true},
        {second, true, std::nullopt, false},
        {{4, 0}, true, 10, false},   // E'
        {{1, 5}, true, 67, false},   // x=t, not the digit
        {{1, 5}, false, 7, false},
        {{4, 8}, false, 95, false},
    };
    for (const auto& row : rows) {
        const KeyRelease release = ReleaseKeyAt(row.key, row.pending);
        EXPECT_EQ(release.code, row.code) << row.key.column << ", " << row.key.row;
        EXPECT_EQ(release.secondPending, row.pendingAfter) << row.key.column << ", " << row.key.row;
    }
}

TEST(Keypad, OnlyRunStopReachesARunningProgram)
{
    for (int row = 0; row < kKeyRows; ++row)
        for (int column = 0; column < kKeyColumns; ++column)
            for (const bool second : {false, true}) {
                const uint8_t code = KeyCodeFor(column, row, second);
                EXPECT_EQ(ReachesRunningProgram(code), column == kRunStopColumn && row == kRunStopRow && !second)
                    << int(code);
            }
}

TEST(ZoomSteps, NextAndFitted)
{
    EXPECT_EQ(NextZoomStep(100, 1), 125);
    EXPECT_EQ(NextZoomStep(200, 1), 200);
    EXPECT_EQ(NextZoomStep(75, -1), 75);
    EXPECT_EQ(NextZoomStep(110, 1), kDefaultZoom);  // not a step: back to the default
    const struct {
        int percent, available, fitted;
    } rows[] = {
        {200, 1596, 200}, {200, 1595, 150}, {150, 1000, 125}, {200, 100, 75}, {75, 5000, 75},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FittedZoom(row.percent, 798, row.available), row.fitted) << row.percent << " in " << row.available;
}

}  // namespace
