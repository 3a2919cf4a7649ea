#include "storage/MemoFile.h"

#include <gtest/gtest.h>

#include "core/CCalc.h"
#include "storage/IniFile.h"
#include "storage/ProgramFile.h"
#include "storage/TextCodec.h"
#include "ScratchFolder.h"

using storage::MemoTexts;

namespace {

enum { Title, Line0, Line1, A0, A1, B0, B1, C0, C1, D0, D1, E0, E1 };

MemoTexts With(std::initializer_list<std::pair<int, std::wstring>> texts) {
    MemoTexts memo;
    for (const auto& [index, text] : texts)
        memo[static_cast<std::size_t>(index)] = text;
    return memo;
}

std::wstring FileText(const std::filesystem::path& path) { return storage::DecodeText(ScratchFolder::Read(path)); }

} // namespace

TEST(MemoFile, PathReplacesTheExtension) {
    struct Case { const char* program; const char* memo; } cases[] = {
        {"/a/prog.ti", "/a/prog.tiz"}, {"/a/prog", "/a/prog.tiz"}, {"/a/x.y/prog.TI", "/a/x.y/prog.tiz"},
        {"/a/archive.tar.ti", "/a/archive.tar.tiz"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(storage::MemoPathFor(c.program), std::filesystem::path(c.memo)) << c.program;
}

TEST(MemoFile, WritesAllThirteenKeysInOrderOrRemovesTheFile) {
    ScratchFolder folder;
    CCalc calc;
    const auto program = folder / "prog.ti";
    storage::SetMemoTexts(calc, With({{B1, L"Roots"}}));
    ASSERT_TRUE(storage::WriteProgramMemo(calc, program).ok);
    EXPECT_EQ(FileText(folder / "prog.tiz"),
              L"[Main]\r\nTitle=\r\nLine0=\r\nLine1=\r\nA0=\r\nB0=\r\nC0=\r\nD0=\r\nE0=\r\n"
              L"A1=\r\nB1=Roots\r\nC1=\r\nD1=\r\nE1=\r\n");

    storage::SetMemoTexts(calc, MemoTexts{});
    ASSERT_TRUE(storage::WriteProgramMemo(calc, program).ok);
    EXPECT_FALSE(std::filesystem::exists(folder / "prog.tiz"));
    EXPECT_TRUE(storage::WriteProgramMemo(calc, program).ok) << "no memo to remove is no error";
}

TEST(MemoFile, ReadsBackCutToTheBuffers) {
    ScratchFolder folder;
    CCalc calc;
    const std::wstring longTitle(200, L'T');
    const MemoTexts written = With({{Title, longTitle}, {Line0, L"\u00C9quations du second degr\u00E9"},
                                    {A0, L"a"}, {E1, L"=\"x\""}});
    storage::SetMemoTexts(calc, written);
    EXPECT_EQ(storage::MemoTextsOf(calc)[Title], std::wstring(127, L'T')) << "the calculator holds 127";

    // A memo file from elsewhere with a 200-character title, in Windows-1252.
    std::string latin = "[Main]\r\nTitle=" + std::string(200, 'T') + "\r\nLine1=caf\xE9\r\n";
    ScratchFolder::Write(folder / "other.tiz", std::vector<unsigned char>(latin.begin(), latin.end()));
    storage::ReadProgramMemo(calc, folder / "other.ti");
    const MemoTexts read = storage::MemoTextsOf(calc);
    EXPECT_EQ(read[Title], std::wstring(127, L'T'));
    EXPECT_EQ(read[Line1], L"caf\u00E9");
    EXPECT_EQ(read[Line0], L"") << "missing keys read as empty";
    EXPECT_EQ(read[E1], L"");

    // Without a memo file the texts stay as they were.
    storage::ReadProgramMemo(calc, folder / "nothing.ti");
    EXPECT_EQ(storage::MemoTextsOf(calc), read);
}

TEST(MemoFile, SavingAProgramKeepsOtherSectionsOfItsMemo) {
    ScratchFolder folder;
    CCalc calc;
    storage::IniFile existing;
    existing.Set(L"Notes", L"Author", L"me");
    ASSERT_TRUE(existing.Save(folder / "p.tiz").ok());
    storage::SetMemoTexts(calc, With({{Title, L"T"}}));
    ASSERT_TRUE(SaveProgramFile(calc, folder / "p.ti"));
    const auto memo = storage::IniFile::Load(folder / "p.tiz");
    ASSERT_TRUE(memo);
    EXPECT_EQ(memo->Get(L"Notes", L"Author", L"", 128), L"me");
    EXPECT_EQ(memo->Get(L"Main", L"Title", L"", 128), L"T");
}

TEST(MemoFile, ModuleMemoSections) {
    ScratchFolder folder;
    storage::IniFile ini;
    ini.Set(L"PGM02", L"Title", L"Second program");
    ini.Set(L"PGM02", L"Label", L"SECONDPROG");
    ini.Set(L"PGM02", L"A1", L"x");
    ini.Set(L"PGM25", L"Title", L"Last");
    ASSERT_TRUE(ini.Save(folder / "m.tiz").ok());
    struct Case { int program; std::wstring title, label; } cases[] = {
        {2, L"Second program", L"SECONDP"}, {27, L"Second program", L"SECONDP"}, {52, L"Second program", L"SECONDP"},
        {25, L"Last", L""}, {50, L"Last", L""}, {75, L"Last", L""}, {1, L"", L""}, {0, L"", L""}, {-23, L"", L""},
    };
    for (const auto& c : cases) {
        const auto memo = storage::ReadModuleProgramMemo(folder / "m.tiz", c.program);
        EXPECT_EQ(memo.texts[Title], c.title) << c.program;
        EXPECT_EQ(memo.label, c.label) << c.program;
    }
    EXPECT_EQ(storage::ReadModuleProgramMemo(folder / "m.tiz", 27).texts[A1], L"x");
    EXPECT_EQ(storage::ReadModuleProgramMemo({}, 2).texts[Title], L"") << "no memo path";
}

TEST(MemoFile, LargeMemoIsReadWholeAndKeptByteForByte) {
    ScratchFolder folder;
    const auto program = folder / "big.ti";
    // Over a mebibyte of other sections, with the program's own section past it.
    std::wstring head = L"[Notes]\r\n";
    for (int i = 0; head.size() < (std::size_t{3} << 19); ++i)
        head += L"Note" + std::to_wstring(i) + L"=" + std::wstring(97, static_cast<wchar_t>(L'a' + i % 26)) + L"\r\n";
    const std::wstring tail = L"[Tail]\r\nLast=kept \u00e9\r\n";
    ScratchFolder::Write(storage::MemoPathFor(program),
                      storage::EncodeUtf16LittleEndian(head + L"[Main]\r\nTitle=Old\r\n" + tail, true));

    CCalc calc;
    storage::ReadProgramMemo(calc, program);
    EXPECT_EQ(storage::MemoTextsOf(calc)[Title], L"Old");

    storage::SetMemoTexts(calc, With({{Title, L"New"}}));
    ASSERT_TRUE(SaveProgramFile(calc, program));
    const auto bytes = ScratchFolder::Read(storage::MemoPathFor(program));
    const auto headBytes = storage::EncodeUtf16LittleEndian(head, true);
    const auto tailBytes = storage::EncodeUtf16LittleEndian(tail, false);
    ASSERT_GT(bytes.size(), headBytes.size() + tailBytes.size());
    EXPECT_TRUE(std::equal(headBytes.begin(), headBytes.end(), bytes.begin()));
    EXPECT_TRUE(std::equal(tailBytes.rbegin(), tailBytes.rend(), bytes.rbegin()));
    EXPECT_EQ(FileText(storage::MemoPathFor(program)).substr(head.size(), 20), L"[Main]\r\nTitle=New\r\nL");
}
