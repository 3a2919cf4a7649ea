#include "storage/TextCodec.h"

#include <gtest/gtest.h>

#include <vector>

using Bytes = std::vector<unsigned char>;

TEST(TextCodec, ReadsTheThreeEncodingsMemoFilesArriveIn) {
    struct Case {
        const char* name;
        Bytes bytes;
        std::wstring expected;
    } cases[] = {
        {"plain ASCII", {'T', 'i', '=', '1'}, L"Ti=1"},
        {"UTF-8 without mark", {'c', 0xC3, 0xA9, 'x'}, L"c\u00E9x"},
        {"UTF-8 with mark", {0xEF, 0xBB, 0xBF, 0xE2, 0x82, 0xAC}, L"\u20AC"},
        {"UTF-8 four bytes", {0xF0, 0x9F, 0x98, 0x80}, L"\U0001F600"},
        {"UTF-16 LE", {0xFF, 0xFE, 'A', 0, 0xE9, 0}, L"A\u00E9"},
        {"UTF-16 BE", {0xFE, 0xFF, 0, 'A', 0x20, 0xAC}, L"A\u20AC"},
        {"UTF-16 LE surrogate pair", {0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE}, L"\U0001F600"},
        {"UTF-16 lone surrogate", {0xFF, 0xFE, 0x00, 0xD8, 'a', 0}, L"\uFFFDa"},
        {"UTF-16 lone low surrogate", {0xFF, 0xFE, 0xE9, 0xDC}, L"\uFFFD"},
        {"UTF-16 odd last byte dropped", {0xFF, 0xFE, 'A', 0, 'B'}, L"A"},
        {"1252: e acute", {'c', 0xE9}, L"c\u00E9"},
        {"1252: euro and quotes", {0x80, 0x93, 0x94}, L"\u20AC\u201C\u201D"},
        {"1252: unassigned bytes are C1 controls", {0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x9F},
         L"\u0081\u008D\u008F\u0090\u009D\u0178"},
        {"1252: cut UTF-8 sequence", {'a', 0xC3}, L"a\u00C3"},
        {"1252: UTF-8 form of a surrogate", {0xED, 0xA0, 0x80}, L"\u00ED\u00A0\u20AC"},
        {"1252: overlong UTF-8", {0xC0, 0xAF}, L"\u00C0\u00AF"},
        {"empty", {}, L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(storage::DecodeText(c.bytes), c.expected) << c.name;
}

TEST(TextCodec, WritesUtf16LittleEndianThatReadsBack) {
    const std::wstring texts[] = {L"", L"[Main]\r\nTitle=Racine", L"\u00E9\u20AC\U0001F600"};
    for (const auto& text : texts) {
        const Bytes withMark = storage::EncodeUtf16LittleEndian(text, true);
        ASSERT_GE(withMark.size(), 2u);
        EXPECT_EQ(withMark[0], 0xFF);
        EXPECT_EQ(withMark[1], 0xFE);
        EXPECT_EQ(storage::DecodeText(withMark), text);
    }
    EXPECT_EQ(storage::EncodeUtf16LittleEndian(L"A\U0001F600", false), (Bytes{'A', 0, 0x3D, 0xD8, 0x00, 0xDE}));
}

TEST(TextCodec, Utf8Bytes) {
    struct Case { const wchar_t* text; const char* bytes; };
    const Case cases[] = {
        {L"", ""},
        {L"ti59.txt", "ti59.txt"},
        {L"Cr\u00e9ation", "Cr\xC3\xA9" "ation"},
        {L"x\u00B2 \u00F7", "x\xC2\xB2 \xC3\xB7"},
        {L"\u20AC", "\xE2\x82\xAC"},
        {L"\U0001F5A8", "\xF0\x9F\x96\xA8"},
        {L"\xD800", "\xEF\xBF\xBD"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(storage::ToUtf8(c.text), c.bytes);
    const wchar_t beyondUnicode[] = {static_cast<wchar_t>(0x110000), 0};
    EXPECT_EQ(storage::ToUtf8(beyondUnicode), "\xEF\xBF\xBD");
}

TEST(TextCodec, PathsKeepTheirBytes) {
    struct Case { std::wstring name; const char* bytes; };
    const Case cases[] = {
        {L"/tmp/\u00e9t\u00e9.txt", "/tmp/\xC3\xA9t\xC3\xA9.txt"},
        {std::wstring(L"caf") + wchar_t(0xDCE9), "caf\xE9"},
        // Below 0xDC80 a lone surrogate stands for no byte: bytes under 0x80 are always UTF-8.
        {std::wstring(1, wchar_t(0xDC41)), "\xEF\xBF\xBD"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(storage::PathFromWide(c.name).native(), c.bytes);
}
