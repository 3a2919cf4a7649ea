// The self-test program, and the module memo against the programs it labels.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "LibraryRun.h"
#include "resources/BuiltInModule.h"
#include "storage/IniFile.h"
#include "storage/ModuleImage.h"

namespace {

TEST(SelfTest, EndsOnItsKnownValueWithNoErrorAndItsFlagClear)
{
    LibraryRun run("PGM 01 A");
    EXPECT_EQ(run.display(), "59.");
    EXPECT_FALSE(run.error());
    EXPECT_FALSE(run.calc().flags[3]);
}

TEST(SelfTest, RunsAgainFromAnyStateOfItsRegisters)
{
    LibraryRun run("77 STO 02 STO 03 STO 12 PGM 01 A A");
    EXPECT_EQ(run.display(), "59.");
}

struct ModuleSteps {
    storage::ProgramLengths lengths{};
    std::vector<unsigned char> steps;
};

ModuleSteps BuiltIn()
{
    const auto image = BuiltInModuleImage();
    const storage::ModuleParse parsed = storage::ParseModuleImage(image);
    EXPECT_TRUE(parsed.image);
    ModuleSteps module;
    module.lengths = parsed.image->lengths;
    module.steps.assign(image.begin() + storage::kLengthTableBytes, image.end());
    return module;
}

// The user keys a program defines: every Lbl step followed by A to E'.
std::set<int> UserKeyLabels(std::span<const unsigned char> program)
{
    std::set<int> keys;
    for (std::size_t i = 0; i + 1 < program.size(); ++i)
        if (program[i] == 76 && program[i + 1] >= 10 && program[i + 1] <= 19)
            keys.insert(program[i + 1]);
    return keys;
}

TEST(Module, TwentyFiveProgramsEachFitTheirArea)
{
    const ModuleSteps module = BuiltIn();
    std::size_t total = 0;
    for (std::uint16_t length : module.lengths) {
        EXPECT_GT(length, 0);
        EXPECT_LE(length, 1000);
        total += length;
    }
    // Past the 5000 steps of the original module the image is simply longer.
    EXPECT_EQ(BuiltInModuleImage().size(), std::max<std::size_t>(50 + total, 5050));
}

TEST(Memo, EveryProgramHasATitleAShortNameAndLabelsOverExactlyItsKeys)
{
    const auto memo = storage::IniFile::Load(NORVANE_LIBRARY_SOURCES "/Master.tiz");
    ASSERT_TRUE(memo);
    const ModuleSteps module = BuiltIn();
    // memo key -> key code: A1..E1 over A..E (11..15), A0..D0 over A'..D'
    // (16..19) and E0 over E' (10).
    const std::vector<std::pair<std::wstring, int>> keyCodes = {
        {L"A1", 11}, {L"B1", 12}, {L"C1", 13}, {L"D1", 14}, {L"E1", 15},
        {L"A0", 16}, {L"B0", 17}, {L"C0", 18}, {L"D0", 19}, {L"E0", 10}};
    std::size_t offset = 0;
    for (int program = 1; program <= 25; ++program) {
        wchar_t section[8];
        std::swprintf(section, 8, L"PGM%02d", program);
        SCOPED_TRACE(program);
        EXPECT_NE(memo->Get(section, L"Title", L"", 128), L"");
        const std::wstring label = memo->Get(section, L"Label", L"", 128);
        EXPECT_FALSE(label.empty());
        EXPECT_LE(label.size(), 7u);
        const std::size_t length = module.lengths[static_cast<std::size_t>(program - 1)];
        const std::set<int> defined = UserKeyLabels({module.steps.data() + offset, length});
        offset += length;
        for (const auto& [key, code] : keyCodes) {
            const bool labelled = !memo->Get(section, key, L"", 128).empty();
            EXPECT_EQ(labelled, defined.count(code) == 1) << "memo key " << std::string(key.begin(), key.end());
        }
    }
}

} // namespace
