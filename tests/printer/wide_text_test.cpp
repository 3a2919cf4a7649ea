#include "printer/WideText.h"

#include <gtest/gtest.h>

namespace {

TEST(WideText, Utf8Bytes)
{
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
        EXPECT_EQ(ToUtf8(c.text), c.bytes);
    const wchar_t beyondUnicode[] = {static_cast<wchar_t>(0x110000), 0};
    EXPECT_EQ(ToUtf8(beyondUnicode), "\xEF\xBF\xBD");
}

TEST(WideText, PathsKeepTheUtf8Bytes)
{
    EXPECT_EQ(PathFromWide(L"/tmp/\u00e9t\u00e9.txt").native(), "/tmp/\xC3\xA9t\xC3\xA9.txt");
}

} // namespace
