#include "printer/AlphaCharacters.h"
#include "printer/DotFont.h"
#include "printer/Mnemonic.h"
#include "printer/PrinterTape.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// Whatever reaches the paper: the alpha codes, the mnemonics of Op 08 and the
// listings, and the digits, signs and error mark of printed numbers.
std::wstring PrintedCharacters()
{
    std::wstring characters = L"0123456789.- ?";
    for (int code = 0; code < 100; ++code) {
        characters += AlphaCharacter(code);
        characters += Mnemonic(code);
    }
    return characters;
}

TEST(DotFont, EveryPrintedCharacterHasItsOwnGlyph)
{
    std::map<std::array<std::uint8_t, DotGlyph::Rows>, wchar_t> owner;
    for (wchar_t character : PrintedCharacters()) {
        ASSERT_TRUE(HasGlyph(character)) << "U+" << std::hex << static_cast<int>(character);
        const auto [at, added] = owner.emplace(GlyphOf(character).rows, character);
        EXPECT_EQ(at->second, character) << "U+" << std::hex << static_cast<int>(character)
                                         << " looks like U+" << static_cast<int>(at->second);
    }
    // Paper is left bare only for the space.
    EXPECT_EQ(owner.at(DotGlyph{}.rows), L' ');
    EXPECT_FALSE(HasGlyph(L'\u20AC'));
    EXPECT_NE(GlyphOf(L'\u20AC'), GlyphOf(L' '));
}

std::wstring Text(const PrinterTape::Line& line)
{
    return {line.begin(), line.end()};
}

TEST(PrinterTape, KeepsTheLastLinesCutToTheWidth)
{
    struct Case {
        const char* name;
        std::size_t capacity;
        int appended;
        std::size_t size;
        std::wstring oldest;
    };
    const Case cases[] = {
        {"under capacity", 4, 3, 3, L"1"},
        {"exactly full", 4, 4, 4, L"1"},
        {"wrapped once", 4, 5, 4, L"2"},
        {"wrapped many times", 4, 23, 4, L"20"},
        {"capacity 0 keeps one", 0, 3, 1, L"3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrinterTape tape(c.capacity);
        for (int n = 1; n <= c.appended; ++n)
            tape.Append(std::to_wstring(n));
        ASSERT_EQ(tape.Size(), c.size);
        EXPECT_EQ(Text(tape.At(0)), (c.oldest + std::wstring(20, L' ')).substr(0, 20));
        EXPECT_EQ(Text(tape.At(tape.Size() - 1)).substr(0, std::to_wstring(c.appended).size()),
                  std::to_wstring(c.appended));
    }
    PrinterTape tape;
    EXPECT_EQ(tape.Capacity(), 10'000u);
    tape.Append(L"ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(Text(tape.At(0)), L"ABCDEFGHIJKLMNOPQRST");
    tape.Clear();
    EXPECT_EQ(tape.Size(), 0u);
}

} // namespace
