#pragma once
// Where the keys sit on the skin, which code each one gives, and which keys
// reach a running program.

#include <array>
#include <cstdint>
#include <optional>

inline constexpr int kKeyColumns = 5;
inline constexpr int kKeyRows = 9;
inline constexpr std::array<int, kKeyColumns> KeyColumnX{50, 112, 176, 238, 302};
inline constexpr std::array<int, kKeyRows> KeyRowY{289, 338, 389, 438, 489, 538, 589, 638, 689};
inline constexpr int kKeyWidth = 40;
inline constexpr int kKeyHeight = 23;

// The key picture that moves when pressed: 56 x 31 around the key.
inline constexpr int kKeyPictureWidth = 56;
inline constexpr int kKeyPictureHeight = 31;

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
