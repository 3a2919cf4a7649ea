#include "storage/ProgramFile.h"

#include <gtest/gtest.h>

#include <bit>
#include <cerrno>
#include <cstring>
#include <random>

#include "core/CCalc.h"
#include "storage/IniFile.h"
#include "storage/MemoFile.h"
#include "CalcInFolder.h"
#include "KeyScript.h"

using Bytes = std::vector<unsigned char>;

namespace {

void PutRecord(Bytes& file, std::size_t index, int64_t mantissa, int16_t exponent) {
    for (int i = 0; i < 8; ++i)
        file[16 * index + static_cast<std::size_t>(i)] = static_cast<unsigned char>(static_cast<uint64_t>(mantissa) >> (8 * i));
    file[16 * index + 8] = static_cast<unsigned char>(exponent);
    file[16 * index + 9] = static_cast<unsigned char>(static_cast<uint16_t>(exponent) >> 8);
}

void PutDouble(Bytes& file, std::size_t index, double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        file[8 * index + static_cast<std::size_t>(i)] = static_cast<unsigned char>(bits >> (8 * i));
}

// A 2600-byte file of normal, in-range numbers and key codes, as this program writes them.
Bytes SampleProgramFile(unsigned seed) {
    std::mt19937_64 random(seed);
    Bytes file(storage::kProgramFileSize, 0);
    for (std::size_t r = 0; r < 100; ++r) {
        if (r % 3 == 0)
            continue; // some zeros
        const int64_t mantissa = 1000000000000 + static_cast<int64_t>(random() % 9000000000000);
        PutRecord(file, r, r % 2 ? mantissa : -mantissa, static_cast<int16_t>(static_cast<int>(random() % 199) - 99));
    }
    for (std::size_t s = 0; s < 1000; ++s)
        file[1600 + s] = static_cast<unsigned char>(random() % 100);
    return file;
}

using Fixture = CalcInFolder;

} // namespace

TEST(ProgramFile, LoadAndSaveGiveTheSameBytes) {
    Fixture f;
    for (unsigned seed : {1u, 2u, 3u}) {
        const Bytes original = SampleProgramFile(seed);
        ScratchFolder::Write(f.folder / "in.ti", original);
        ASSERT_TRUE(LoadProgramFile(f.calc, f.folder / "in.ti"));
        ASSERT_TRUE(SaveProgramFile(f.calc, f.folder / "out.ti"));
        EXPECT_EQ(ScratchFolder::Read(f.folder / "out.ti"), original) << seed;
    }
    EXPECT_TRUE(f.host.errors.empty());
}

TEST(ProgramFile, OlderFormOfDoubles) {
    Fixture f;
    Bytes file(storage::kOlderProgramFileSize, 0);
    struct Case { double value; CNombre expected; } cases[] = {
        {2.5, CNombre(2500000000000, 0)},
        {-0.25, CNombre(-2500000000000, -1)},
        {0.0, CNombre()},
        {1e150, CNombre::MaxPositive},          // beyond the calculator's range: clamped
        {-1e-200, CNombre::MinNegative},
        {std::numeric_limits<double>::infinity(), CNombre::MaxPositive},
        {std::numeric_limits<double>::quiet_NaN(), CNombre()},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        PutDouble(file, i, cases[i].value);
    file[800] = 76;
    file[1799] = 92;
    ScratchFolder::Write(f.folder / "old.ti", file);
    ASSERT_TRUE(LoadProgramFile(f.calc, f.folder / "old.ti"));
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(f.calc.registers[i], cases[i].expected) << cases[i].value;
    EXPECT_EQ(f.calc.Area(0)[0], 76);
    EXPECT_EQ(f.calc.Area(0)[999], 92);
}

TEST(ProgramFile, SizesOtherThanTheTwoFormsAreRefusedWholly) {
    struct Case { std::size_t size; bool loads; } cases[] = {
        {0, false}, {1, false}, {400, false}, {1600, false}, {1799, false}, {1801, false},
        {2599, false}, {2600, true}, {2601, true}, {5000, true},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.calc.registers[7] = CNombre(42, 12);
        keyscript::SetStep(f.calc, 0, 3, 85);
        keyscript::GoTo(f.calc, 12);
        f.host.notifications.clear();
        Bytes file(c.size, 0);
        for (std::size_t i = 0; i < c.size; ++i)
            file[i] = static_cast<unsigned char>(i % 7 == 0 ? 0 : 1); // steps become 0 or 1
        EXPECT_EQ(LoadProgramFile(f.calc, file, L"f.ti"), c.loads) << c.size;
        if (c.loads) {
            EXPECT_EQ(f.calc.Pc(), 0);
            EXPECT_TRUE(f.host.errors.empty()) << c.size;
        } else {
            EXPECT_EQ(f.calc.registers[7], CNombre(42, 12)) << c.size;
            EXPECT_EQ(f.calc.Area(0)[3], 85) << c.size;
            EXPECT_EQ(f.calc.Pc(), 12) << c.size;
            EXPECT_EQ(f.host.Captions(), L"Unable to read program file") << c.size;
            EXPECT_EQ(f.host.errors[0].text.rfind(L"f.ti: ", 0), 0u) << c.size;
            EXPECT_TRUE(f.host.notifications.empty());
        }
    }
}

TEST(ProgramFile, LoadingResetsPcAndLevelAndTellsTheDebugger) {
    Fixture f;
    keyscript::GoTo(f.calc, 500);
    f.calc.callLevel = 3;
    f.calc.levelArea[3] = 7;
    f.calc.SyncAreaBase();
    f.host.notifications.clear();
    ScratchFolder::Write(f.folder / "p.ti", SampleProgramFile(9));
    ASSERT_TRUE(LoadProgramFile(f.calc, f.folder / "p.ti"));
    EXPECT_EQ(f.calc.Pc(), 0);
    EXPECT_EQ(f.calc.callLevel, 0);
    EXPECT_EQ(f.calc.areaBase, f.calc.Area(f.calc.levelArea[0]).data());
    EXPECT_EQ(f.host.notifications, (std::vector<std::string>{"registers 0-99", "listing 0-999"}));
}

TEST(ProgramFile, NumbersAreBroughtToNormalFormAndRange) {
    Fixture f;
    Bytes file(storage::kProgramFileSize, 0);
    struct Case { int64_t mantissa; int16_t exponent; CNombre expected; } cases[] = {
        {5, 12, CNombre(5000000000000, 0)},
        {5, 0, CNombre(5000000000000, -12)},
        {0, 33, CNombre()},
        {-12345678901234567, 3, CNombre(-1234567890123, 7)},
        {1000000000000, 150, CNombre::MaxPositive},
        {-1000000000000, -150, CNombre::MinNegative},
        {INT64_MIN, INT16_MAX, CNombre::MaxNegative},
        {1, INT16_MIN, CNombre::MinPositive},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        PutRecord(file, i, cases[i].mantissa, cases[i].exponent);
    ScratchFolder::Write(f.folder / "odd.ti", file);
    ASSERT_TRUE(LoadProgramFile(f.calc, f.folder / "odd.ti"));
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(f.calc.registers[i], cases[i].expected) << cases[i].mantissa << " " << cases[i].exponent;
}

TEST(ProgramFile, MissingFilesAndFailedWrites) {
    Fixture f;
    f.calc.registers[1] = CNombre(3, 12);
    // No program file, but a memo beside where it would be: the memo is read, silently.
    storage::IniFile memo;
    memo.Set(L"Main", L"Title", L"Only a memo");
    ASSERT_TRUE(memo.Save(f.folder / "absent.tiz").ok());
    EXPECT_FALSE(LoadProgramFile(f.calc, f.folder / "absent.ti"));
    EXPECT_TRUE(f.host.errors.empty());
    EXPECT_EQ(storage::MemoTextsOf(f.calc)[0], L"Only a memo");
    EXPECT_EQ(f.calc.registers[1], CNombre(3, 12));

    // Saving into a folder that does not exist: one "CreateFile" naming the
    // file; the memo is not tried for a program that was not written.
    storage::SetMemoTexts(f.calc, {L"T"});
    EXPECT_FALSE(SaveProgramFile(f.calc, f.folder / "none" / "p.ti"));
    ASSERT_EQ(f.host.errors.size(), 1u);
    EXPECT_EQ(f.host.errors[0].caption, L"CreateFile");
    EXPECT_EQ(f.host.errors[0].code, ENOENT);
    EXPECT_EQ(f.host.errors[0].text, storage::WideFromPath(f.folder / "none" / "p.ti"));

    // A name taken by a folder: refused before anything is written.
    f.host.errors.clear();
    std::filesystem::create_directories(f.folder / "busy.ti" / "inside");
    EXPECT_FALSE(SaveProgramFile(f.calc, f.folder / "busy.ti"));
    EXPECT_EQ(f.host.Captions(), L"CreateFile");
    EXPECT_TRUE(std::filesystem::is_directory(f.folder / "busy.ti" / "inside"));
}

TEST(ProgramFile, TheCompanionMemoFollowsTheProgram) {
    Fixture f;
    const auto program = f.folder / "p.ti", memo = f.folder / "p.tiz";
    ScratchFolder::Write(memo, {'[', 'M', 'a', 'i', 'n', ']', '\n', 'T', 'i', 't', 'l', 'e', '=', 'o', 'l', 'd'});
    ASSERT_TRUE(SaveProgramFile(f.calc, program)); // no memo texts: the old memo goes
    EXPECT_FALSE(std::filesystem::exists(memo));

    f.calc.memoTexts[0][0] = L'K'; // a program loaded without memo keeps the texts shown
    ASSERT_TRUE(LoadProgramFile(f.calc, program));
    EXPECT_EQ(storage::MemoTextsOf(f.calc)[0], L"K");
    ASSERT_TRUE(SaveProgramFile(f.calc, program));
    f.calc.memoTexts[0][0] = 0;
    ASSERT_TRUE(LoadProgramFile(f.calc, program));
    EXPECT_EQ(storage::MemoTextsOf(f.calc)[0], L"K");
}
