// Where the strip's texts come from: the user's memo or a library program's
// section in its module's memo file.
#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "core/CCalc.h"
#include "face/StripTexts.h"
#include "storage/IniFile.h"
#include "storage/ModuleImage.h"
#include "storage/ModuleLibrary.h"

namespace {

storage::MemoTexts NumberedMemo(const std::wstring& prefix)
{
    storage::MemoTexts memo;
    for (int i = 0; i < storage::kMemoTexts; ++i)
        memo[static_cast<std::size_t>(i)] = prefix + std::to_wstring(i);
    return memo;
}

// Slot 1 holds a module with a memo file that has sections for its programs 2 and 25.
struct Library {
    ScratchFolder folder{"strip"};
    CCalc calc;
    ModuleLibrary modules{calc, {}, folder.path()};

    Library()
    {
        modules.InitModuleSlots();
        storage::ProgramLengths lengths{};
        lengths.fill(1);
        const std::array<unsigned char, 1> step{42};
        std::array<std::span<const unsigned char>, storage::kModulePrograms> programs;
        programs.fill(step);
        ScratchFolder::Write(folder / "Stats.mod", storage::EncodeModuleImage(lengths, programs));
        modules.LoadModuleFile(1, folder / "Stats.mod");

        storage::IniFile memo;
        const wchar_t* keys[] = {L"Title", L"Line0", L"Line1", L"A0", L"A1", L"B0", L"B1",
                                 L"C0", L"C1", L"D0", L"D1", L"E0", L"E1"};
        for (const wchar_t* section : {L"PGM02", L"PGM25"}) {
            for (const wchar_t* key : keys)
                memo.Set(section, key, std::wstring(section) + L"." + key);
            memo.Set(section, L"Label", std::wstring(section) + L"-label-too-long");
        }
        memo.Save((folder / "Stats.tiz").wstring());
        storage::SetMemoTexts(calc, NumberedMemo(L"user"));
    }
};

TEST(StripTexts, MemoOrderMatchesTheStripAndTextsAreCutToWhatAMemoHolds)
{
    const StripTexts texts = StripTextsFromMemo(NumberedMemo(L"m"));
    EXPECT_EQ(texts.title, L"m0");
    EXPECT_EQ(texts.lines[0], L"m1");
    EXPECT_EQ(texts.lines[1], L"m2");
    EXPECT_EQ(texts.Label(0, 0), L"m3");   // A0: over A'
    EXPECT_EQ(texts.Label(0, 1), L"m4");   // A1: over A
    EXPECT_EQ(texts.Label(4, 1), L"m12");  // E1
    EXPECT_EQ(MemoFromStripTexts(texts), NumberedMemo(L"m"));

    StripTexts tooLong;
    tooLong.title = std::wstring(300, L'x');
    tooLong.Label(4, 1) = std::wstring(128, L'y');
    const storage::MemoTexts memo = MemoFromStripTexts(tooLong);
    EXPECT_EQ(memo[0], std::wstring(127, L'x'));
    EXPECT_EQ(memo[12], std::wstring(127, L'y'));
}

TEST(StripTexts, SourceOfTheTexts)
{
    const struct {
        const char* name;
        int memoProgram;
        bool withSlots;
        bool given;                 // false: the texts shown stay as they were
        const wchar_t* title;
        const wchar_t* labelC1;
        const wchar_t* programLabel;
    } cases[] = {
        {"user's program", 0, true, true, L"user0", L"user8", L""},
        {"program 27 reads PGM02 of slot 1", 27, true, true, L"PGM02.Title", L"PGM02.C1", L"PGM02-l"},
        {"program 50 reads PGM25", 50, true, true, L"PGM25.Title", L"PGM25.C1", L"PGM25-l"},
        {"no section in the memo", 30, true, true, L"", L"", L""},
        {"slot without memo file", 60, true, true, L"", L"", L""},
        {"no module slots", 27, false, true, L"", L"", L""},
        {"above the library", ModuleLibrary::kPrograms + 1, true, false, L"", L"", L""},
        {"below the user's program", -1, true, false, L"", L"", L""},
    };
    Library library;
    for (const auto& c : cases) {
        const std::optional<StripTexts> texts =
            StripTextsFor(c.memoProgram, library.calc, c.withSlots ? &library.modules : nullptr);
        ASSERT_EQ(texts.has_value(), c.given) << c.name;
        if (!texts)
            continue;
        EXPECT_EQ(texts->title, c.title) << c.name;
        EXPECT_EQ(texts->Label(2, 1), c.labelC1) << c.name;
        EXPECT_EQ(texts->programLabel, c.programLabel) << c.name;
    }
}

TEST(StripTexts, ShownWhenAnyTextIsThere)
{
    for (int field = 0; field < 4; ++field) {
        StripTexts texts;
        EXPECT_FALSE(texts.HasText());
        if (field == 0) texts.title = L"T";
        if (field == 1) texts.programLabel = L"ML-01";
        if (field == 2) texts.lines[1] = L"L";
        if (field == 3) texts.Label(4, 1) = L"E";
        EXPECT_EQ(texts.HasText(), field != 1) << field;
    }
}

} // namespace
