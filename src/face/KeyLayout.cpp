#include "face/KeyLayout.h"

#include "core/KeyCodes.h"

namespace {
int FindSpan(const auto& starts, int length, int value)
{
    for (int i = 0; i < static_cast<int>(starts.size()); ++i) {
        if (value >= starts[i] && value < starts[i] + length)
            return i;
    }
    return -1;
}

// Digit keys give digit codes instead of their position codes.
uint8_t DigitForPosition(uint8_t code)
{
    switch (code) {
    case 62: return 7;
    case 63: return 8;
    case 64: return 9;
    case 72: return 4;
    case 73: return 5;
    case 74: return 6;
    case 82: return 1;
    case 83: return 2;
    case 84: return 3;
    case 92: return 0;
    default: return code;
    }
}
}  // namespace

KeyPosition HitTestKey(int x, int y)
{
    const int column = FindSpan(KeyColumnX, kKeyWidth, x);
    const int row = FindSpan(KeyRowY, kKeyHeight, y);
    if (column < 0 || row < 0)
        return {};
    return {column, row};
}

KeyPosition KeyAtClientPoint(int x, int y)
{
    return HitTestKey(x - kSkinOrigin.x, y - kSkinOrigin.y);
}

uint8_t KeyCodeFor(int column, int row, bool second)
{
    int code = 10 * (row + 1) + (column + 1);
    if (second)
        return static_cast<uint8_t>(column == kKeyColumns - 1 ? code + 5 - 10 : code + 5);
    return DigitForPosition(static_cast<uint8_t>(code));
}

KeyRelease ReleaseKeyAt(KeyPosition key, bool secondPending)
{
    if (key.column == kSecondColumn && key.row == kSecondRow)
        return {std::nullopt, !secondPending};
    return {KeyCodeFor(key.column, key.row, secondPending), false};
}

bool ReachesRunningProgram(uint8_t code)
{
    return code == Key::RunStop;
}

std::optional<KeyPosition> KeyForCharacter(char32_t character)
{
    switch (character) {
    case 8: return KeyPosition{4, 1};
    case 13:
    case U'=': return KeyPosition{4, 8};
    case U'*': return KeyPosition{4, 5};
    case U'+': return KeyPosition{4, 7};
    case U'-': return KeyPosition{4, 6};
    case U'/': return KeyPosition{4, 4};
    case U',':
    case U'.': return KeyPosition{2, 8};
    case U'0': return KeyPosition{1, 8};
    case U'1': return KeyPosition{1, 7};
    case U'2': return KeyPosition{2, 7};
    case U'3': return KeyPosition{3, 7};
    case U'4': return KeyPosition{1, 6};
    case U'5': return KeyPosition{2, 6};
    case U'6': return KeyPosition{3, 6};
    case U'7': return KeyPosition{1, 5};
    case U'8': return KeyPosition{2, 5};
    case U'9': return KeyPosition{3, 5};
    case 178: return KeyPosition{2, 2};  // superscript two
    default: return std::nullopt;
    }
}
