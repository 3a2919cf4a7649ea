#include "storage/IniFile.h"

#include <gtest/gtest.h>

#include "storage/TextCodec.h"
#include "ScratchFolder.h"

using storage::IniFile;

namespace {

const std::wstring kSample =
    L"; written by hand\r\n"
    L"[Main]\r\n"
    L"Title = Racines  \r\n"
    L"A1=\"  spaced \"\r\n"
    L"B1='single'\r\n"
    L"title=second one is ignored\r\n"
    L"Empty=\r\n"
    L"no equals sign here\r\n"
    L"\n"
    L"[PGM02]\n"
    L"Label=ROOTS\n"
    L"[main]\r\n"
    L"C1=in a repeated section\r\n";

} // namespace

TEST(IniFile, ReadsWithProfileRules) {
    const IniFile ini(kSample);
    struct Case {
        std::wstring section, key, fallback;
        std::size_t buffer;
        std::wstring expected;
    } cases[] = {
        {L"Main", L"Title", L"-", 128, L"Racines"},
        {L"MAIN", L"TITLE", L"-", 128, L"Racines"},      // names ignore case
        {L"Main", L"Title", L"-", 4, L"Rac"},            // cut to the buffer
        {L"Main", L"Title", L"-", 1, L""},
        {L"Main", L"A1", L"-", 128, L"  spaced "},       // quotes keep the spaces
        {L"Main", L"B1", L"-", 128, L"single"},
        {L"Main", L"Empty", L"-", 128, L""},
        {L"Main", L"Missing", L"-", 128, L"-"},          // missing key: default
        {L"Other", L"Title", L"dflt", 128, L"dflt"},     // missing section: default
        {L"Main", L"C1", L"-", 128, L"-"},               // only the first [Main] counts
        {L"pgm02", L"label", L"-", 8, L"ROOTS"},
        {L"Main", L"no equals sign here", L"-", 128, L"-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.Get(c.section, c.key, c.fallback, c.buffer), c.expected)
            << "[" << std::string(c.section.begin(), c.section.end()) << "] "
            << std::string(c.key.begin(), c.key.end());
}

TEST(IniFile, WritingKeepsTheRestAndReadsBack) {
    IniFile ini(kSample);
    ini.Set(L"main", L"TITLE", L"New title");      // replaced in place
    ini.Set(L"Main", L"D1", L"added");             // appended to the section
    ini.Set(L"PGM03", L"Label", L"FRESH");         // new section at the end
    const std::wstring awkward[] = {L" lead", L"trail ", L"\"quoted\"", L"'", L"two\r\nlines"};
    for (std::size_t i = 0; i < std::size(awkward); ++i)
        ini.Set(L"Odd", L"K" + std::to_wstring(i), awkward[i]);

    const IniFile again(ini.Text());
    EXPECT_EQ(again.Get(L"Main", L"Title", L"", 128), L"New title");
    EXPECT_EQ(again.Get(L"Main", L"D1", L"", 128), L"added");
    EXPECT_EQ(again.Get(L"Main", L"B1", L"", 128), L"single");
    EXPECT_EQ(again.Get(L"PGM02", L"Label", L"", 128), L"ROOTS");
    EXPECT_EQ(again.Get(L"PGM03", L"Label", L"", 128), L"FRESH");
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(again.Get(L"Odd", L"K" + std::to_wstring(i), L"", 128), awkward[i]) << i;
    EXPECT_EQ(again.Get(L"Odd", L"K4", L"", 128), L"two  lines");
    // The appended key sits inside [Main], before the section that follows it.
    const std::wstring text = again.Text();
    EXPECT_LT(text.find(L"D1=added"), text.find(L"[PGM02]"));
    EXPECT_NE(text.find(L"; written by hand"), std::wstring::npos);
}

TEST(IniFile, SavesUtf16AndLoadsEveryEncoding) {
    ScratchFolder folder;
    IniFile ini;
    ini.Set(L"Main", L"Title", L"\u00C9quation \u20AC");
    ASSERT_TRUE(ini.Save(folder / "memo.tiz").ok());
    const auto bytes = ScratchFolder::Read(folder / "memo.tiz");
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    EXPECT_EQ(IniFile::Load(folder / "memo.tiz")->Get(L"Main", L"Title", L"", 128), L"\u00C9quation \u20AC");

    ScratchFolder::Write(folder / "latin.tiz", {'[', 'M', 'a', 'i', 'n', ']', '\n', 'T', 'i', 't', 'l', 'e', '=', 0xC9, 0x80, 0x80});
    EXPECT_EQ(IniFile::Load(folder / "latin.tiz")->Get(L"Main", L"Title", L"", 128), L"\u00C9\u20AC\u20AC");
    EXPECT_FALSE(IniFile::Load(folder / "missing.tiz").has_value());
}
