#pragma once
// Where the keys sit on the skin, which code each one gives, and which keys
// reach a running program.

#include "face/SkinGeometry.h"

#include <cstdint>
#include <optional>

// The 2nd key, kept by the window.
inline constexpr int kSecondColumn = 0;
inline constexpr int kSecondRow = 1;
// The GTO key, whose second function is Pause.
inline constexpr int kGtoColumn = 0;
inline constexpr int kGtoRow = 5;
inline constexpr int kRunStopColumn = 0;
inline constexpr int kRunStopRow = 8;

struct KeyPosition {
    int column = -1;
    int row = -1;
    bool IsKey() const { return column >= 0 && row >= 0; }
    bool operator==(const KeyPosition&) const = default;
};

// Skin coordinates; column and row -1 between keys.
KeyPosition HitTestKey(int x, int y);
// The same in the window's client coordinates at 1 times.
KeyPosition KeyAtClientPoint(int x, int y);

uint8_t KeyCodeFor(int column, int row, bool second);

// A key let go: the 2nd key turns the shift on or off and gives no code;
// any other key gives its code, shifted or not, and the shift ends.
struct KeyRelease {
    std::optional<uint8_t> code;
    bool secondPending = false;
};
KeyRelease ReleaseKeyAt(KeyPosition key, bool secondPending);

// While a program runs, only R/S reaches it; other keys are dropped.
bool ReachesRunningProgram(uint8_t code);

// The key a typed character stands for, if any (Backspace is 8, Enter 13).
std::optional<KeyPosition> KeyForCharacter(char32_t character);
