#include "storage/ModuleLibrary.h"

#include <gtest/gtest.h>

#include "KeyScript.h"
#include "core/CCalc.h"
#include "storage/IniFile.h"
#include "ModuleFixture.h"
#include "CalcInFolder.h"
#include "MapSettings.h"

namespace {

// The built-in library for these tests: program p has 4 + p steps (189 for
// the first would do as well; short ones keep the table readable).
const std::vector<unsigned char>& BuiltIn() {
    static const std::vector<unsigned char> image = [] {
        auto bytes = test_module::Image(test_module::ShortLengths());
        bytes.resize(5050, 0);
        return bytes;
    }();
    return image;
}

// A module file whose program p has `length` steps, each step = p.
std::vector<unsigned char> ModuleFile(uint16_t length) {
    storage::ProgramLengths lengths;
    lengths.fill(length);
    std::array<std::vector<unsigned char>, 25> blocks;
    std::array<std::span<const unsigned char>, 25> programs;
    for (std::size_t p = 0; p < 25; ++p) {
        blocks[p].assign(1000, static_cast<unsigned char>(p + 1));
        programs[p] = blocks[p];
    }
    return storage::EncodeModuleImage(lengths, programs);
}

struct Fixture : CalcInFolder {
    MapSettings settings;
    ModuleLibrary library{calc, BuiltIn(), folder.path()};
        std::filesystem::path WriteModule(const std::string& name, uint16_t length) {
        ScratchFolder::Write(folder / name, ModuleFile(length));
        return folder / name;
    }
    void UserProgram(unsigned char fill) { calc.WriteArea(0, std::vector<unsigned char>(CCalc::StepCount, fill)); }
};

} // namespace

TEST(ModuleLibrary, FirstStartHasTheMasterLibraryInSlotZero) {
    Fixture f;
    f.library.RestoreModules(f.settings);
    const ModuleSlot& zero = f.library.Slot(0);
    EXPECT_EQ(zero.kind, ModuleKind::BuiltIn);
    EXPECT_EQ(zero.name, L"Master Library");
    EXPECT_TRUE(zero.readOnly);
    EXPECT_EQ(zero.memoPath, f.folder / "Master.tiz");
    EXPECT_EQ(zero.lengths, test_module::ShortLengths());
    for (int slot : {1, 2})
        EXPECT_EQ(f.library.Slot(slot).kind, ModuleKind::Empty);
    EXPECT_EQ(f.calc.Area(1)[0], test_module::StepOf(1, 0));
    EXPECT_EQ(f.calc.Area(25)[28], test_module::StepOf(25, 28));
    EXPECT_EQ(f.calc.Area(25)[29], 0) << "only the program's steps are copied";

    f.library.SaveModulesToRegistry(f.settings);
    EXPECT_EQ(f.settings.values, (std::map<std::wstring, std::wstring>{{L"Modul #0", L"Master Library"}}));

    // Copying from program 1 right after: its steps, then zeros.
    f.UserProgram(77);
    ASSERT_TRUE(f.library.CopyFromModule(1));
    for (int s = 0; s < 1000; ++s)
        ASSERT_EQ(f.calc.Area(0)[s], s < 5 ? test_module::StepOf(1, s) : 0) << s;
}

TEST(ModuleLibrary, RestoresWhatTheSettingsName) {
    Fixture f;
    const auto file = f.WriteModule("Stats.mod", 10);
    struct Case {
        const char* name;
        std::map<std::wstring, std::wstring> values;
        ModuleKind kinds[3];
    } cases[] = {
        {"file, none, built-in", {{L"Modul #0", file.wstring()}, {L"Modul #2", L"Master Library"}},
         {ModuleKind::File, ModuleKind::Empty, ModuleKind::BuiltIn}},
        {"empty text leaves slot 0 empty", {{L"Modul #0", L""}}, {ModuleKind::Empty, ModuleKind::Empty, ModuleKind::Empty}},
        {"missing file: empty, no message", {{L"Modul #1", (f.folder / "gone.mod").wstring()}},
         {ModuleKind::BuiltIn, ModuleKind::Empty, ModuleKind::Empty}},
        {"name compared exactly", {{L"Modul #0", L"master library"}}, {ModuleKind::Empty, ModuleKind::Empty, ModuleKind::Empty}},
    };
    for (const auto& c : cases) {
        Fixture g;
        g.settings.values = c.values;
        g.library.RestoreModules(g.settings);
        for (int slot = 0; slot < 3; ++slot)
            EXPECT_EQ(g.library.Slot(slot).kind, c.kinds[slot]) << c.name << " slot " << slot;
        EXPECT_TRUE(g.host.errors.empty()) << c.name;
        MapSettings saved;
        saved.values = c.values;
        g.library.SaveModulesToRegistry(saved);
        for (int slot = 0; slot < 3; ++slot)
            EXPECT_EQ(saved.values.count(ModuleLibrary::SettingName(slot)) == 1, c.kinds[slot] != ModuleKind::Empty)
                << c.name << " slot " << slot;
    }
}

TEST(ModuleLibrary, ModuleFilesLoadIntoTheirSlot) {
    Fixture f;
    const auto file = f.WriteModule("Finance.mod", 40);
    ASSERT_TRUE(f.library.LoadModuleFile(2, file));
    const ModuleSlot& slot = f.library.Slot(2);
    EXPECT_EQ(slot.kind, ModuleKind::File);
    EXPECT_EQ(slot.name, L"Finance");
    EXPECT_FALSE(slot.readOnly);
    EXPECT_EQ(slot.memoPath, f.folder / "Finance.tiz");
    EXPECT_EQ(f.calc.Area(51)[39], 1);
    EXPECT_EQ(f.calc.Area(75)[0], 25);
    EXPECT_EQ(f.calc.Area(50)[0], 0) << "slot 1 untouched";

    // A long file name is cut to 31 characters.
    const auto longName = f.WriteModule(std::string(40, 'n') + ".mod", 1);
    ASSERT_TRUE(f.library.LoadModuleFile(1, longName));
    EXPECT_EQ(f.library.Slot(1).name, std::wstring(31, L'n'));

    // A module with shorter programs leaves nothing of the one before.
    ASSERT_TRUE(f.library.LoadModuleFile(2, f.WriteModule("Short.mod", 2)));
    EXPECT_EQ(f.calc.Area(51)[1], 1);
    EXPECT_EQ(f.calc.Area(51)[2], 0);
    EXPECT_EQ(f.calc.Area(51)[39], 0);

    f.library.ClearModule(2);
    EXPECT_EQ(f.library.Slot(2).kind, ModuleKind::Empty);
    EXPECT_EQ(f.library.Slot(2).name, L"None");
    EXPECT_TRUE(f.library.Slot(2).readOnly);
    for (int area = 51; area <= 75; ++area)
        for (int s = 0; s < 1000; ++s)
            ASSERT_EQ(f.calc.Area(area)[s], 0);
}

TEST(ModuleLibrary, ModuleBytesLoadWholeOrNotAtAll) {
    std::vector<unsigned char> tooLong = ModuleFile(20);
    tooLong[0] = 0xE9; // 1001 steps
    tooLong[1] = 0x03;
    std::vector<unsigned char> promisesMore = ModuleFile(20);
    promisesMore.pop_back();
    std::vector<unsigned char> cutTable = ModuleFile(20);
    cutTable.resize(49);
    struct Case { const char* name; std::vector<unsigned char> bytes; bool loads; } cases[] = {
        {"good", ModuleFile(30), true},
        {"a length above 1000", tooLong, false},
        {"one step short", promisesMore, false},
        {"cut inside the table", cutTable, false},
        {"no bytes", {}, false},
    };
    for (const auto& c : cases) {
        Fixture f;
        ASSERT_TRUE(f.library.LoadModuleFile(1, f.WriteModule("Good.mod", 20)));
        f.host.errors.clear();
        EXPECT_EQ(f.library.LoadModuleFile(1, c.bytes, L"Given"), c.loads) << c.name;
        const ModuleSlot& slot = f.library.Slot(1);
        if (c.loads) {
            EXPECT_TRUE(f.host.errors.empty()) << c.name;
            EXPECT_EQ(slot.name, L"Given");
            EXPECT_EQ(slot.lengths[0], 30);
            EXPECT_TRUE(slot.path.empty() && slot.memoPath.empty()) << "no file stands behind bytes";
            EXPECT_FALSE(slot.readOnly);
        } else {
            ASSERT_EQ(f.host.errors.size(), 1u) << c.name;
            EXPECT_EQ(f.host.errors[0].caption, L"Unable to load module");
            EXPECT_EQ(f.host.errors[0].text.rfind(L"Given: ", 0), 0u) << c.name;
            EXPECT_EQ(slot.name, L"Good") << c.name;
            EXPECT_EQ(slot.lengths[0], 20) << c.name;
        }
        EXPECT_EQ(f.calc.Area(26)[0], 1) << c.name;
    }
    Fixture f;
    EXPECT_FALSE(f.library.LoadModuleFile(1, f.folder / "absent.mod"));
    EXPECT_TRUE(f.host.errors.empty()) << "a file that is not there is passed over silently";
}

TEST(ModuleLibrary, CopyingIntoReadOnlySlotsIsRefused) {
    Fixture f;
    f.library.RestoreModules(f.settings); // built-in in 0, nothing in 1 and 2
    f.UserProgram(5);
    for (int program : {1, 25, 26, 75}) {
        f.host.errors.clear();
        EXPECT_FALSE(f.library.CopyToModule(program, 10)) << program;
        ASSERT_EQ(f.host.errors.size(), 1u);
        EXPECT_EQ(f.host.errors[0].caption, L"Unable to copy");
        EXPECT_EQ(f.host.errors[0].text, L"The module is Read Only and cannot be overwritten");
    }
    EXPECT_EQ(f.calc.Area(1)[0], test_module::StepOf(1, 0));
    struct Bad { int program, length; } bad[] = {{0, 10}, {76, 10}, {-1, 10}, {30, -1}, {30, 1001}};
    for (const auto& b : bad) {
        f.host.errors.clear();
        EXPECT_FALSE(f.library.CopyToModule(b.program, b.length)) << b.program << " " << b.length;
        EXPECT_EQ(f.host.Captions(), L"Unable to copy");
    }
    for (int program : {0, 76, -5}) {
        f.host.errors.clear();
        EXPECT_FALSE(f.library.CopyFromModule(program));
        EXPECT_EQ(f.host.Captions(), L"Unable to copy");
    }
}

TEST(ModuleLibrary, CopyToAFileModuleAndSaveIt) {
    Fixture f;
    ASSERT_TRUE(f.library.LoadModuleFile(1, f.WriteModule("Mine.mod", 100)));
    for (int s = 0; s < 1000; ++s)
        keyscript::SetStep(f.calc, 0, s, static_cast<unsigned char>(s % 90 + 1));
    ASSERT_TRUE(f.library.CopyToModule(30, 50));
    for (int s = 0; s < 1000; ++s)
        ASSERT_EQ(f.calc.Area(30)[s], s < 50 ? s % 90 + 1 : 0) << s;
    EXPECT_TRUE(f.library.Slot(1).modified);
    EXPECT_EQ(f.library.Slot(1).lengths[4], 50);

    ASSERT_TRUE(f.library.SaveModuleFile(1, f.folder / "Saved.mod"));
    EXPECT_FALSE(f.library.Slot(1).modified);
    EXPECT_EQ(f.library.Slot(1).path, f.folder / "Mine.mod") << "SaveModuleFile alone keeps the slot's file";
    const auto saved = ScratchFolder::Read(f.folder / "Saved.mod");
    ASSERT_EQ(saved.size(), 50u + 24 * 100 + 50);
    EXPECT_EQ(saved[8] | saved[9] << 8, 50) << "the fifth program's length";
    EXPECT_EQ(saved[6] | saved[7] << 8, 100);

    // Copying from program 28 (stored length 100) replaces user memory by those steps and zeros.
    ASSERT_TRUE(f.library.CopyFromModule(28));
    for (int s = 0; s < 1000; ++s)
        ASSERT_EQ(f.calc.Area(0)[s], s < 100 ? 3 : 0) << s;
}

TEST(ModuleLibrary, SaveAsAdoptsTheFileOnlyWhenWritten) {
    Fixture f;
    f.library.LoadBuiltInModule(0);
    EXPECT_FALSE(f.library.SaveModuleAs(0, f.folder / "no" / "x.mod"));
    EXPECT_EQ(f.host.Captions(), L"Unable to save module");
    EXPECT_EQ(f.library.Slot(0).kind, ModuleKind::BuiltIn);

    ASSERT_TRUE(f.library.SaveModuleAs(0, f.folder / "Copy.mod"));
    const ModuleSlot& slot = f.library.Slot(0);
    EXPECT_EQ(slot.kind, ModuleKind::File);
    EXPECT_EQ(slot.name, L"Copy");
    EXPECT_EQ(slot.memoPath, f.folder / "Copy.tiz");
    EXPECT_TRUE(slot.readOnly) << "saving does not change whether the slot can be written";
    // The saved image holds the built-in programs and reloads the same.
    ASSERT_TRUE(f.library.LoadModuleFile(2, f.folder / "Copy.mod"));
    EXPECT_EQ(f.library.Slot(2).lengths, test_module::ShortLengths());
    EXPECT_EQ(f.calc.Area(51)[4], test_module::StepOf(1, 4));
}

TEST(ModuleLibrary, MissingOrBrokenBuiltInImage) {
    ScratchFolder folder;
    CCalc calc;
    ModuleLibrary none(calc, {}, folder.path());
    MapSettings settings;
    none.RestoreModules(settings);
    EXPECT_EQ(none.Slot(0).kind, ModuleKind::Empty);
    const std::vector<unsigned char> broken(10, 0xFF);
    ModuleLibrary bad(calc, broken, folder.path());
    EXPECT_FALSE(bad.LoadBuiltInModule(0));
    EXPECT_FALSE(bad.LoadBuiltInModule(3)) << "no slot 3";
}

TEST(ModuleLibrary, ProgramMemoComesFromTheSlotsMemoFile) {
    Fixture f;
    storage::IniFile master;
    master.Set(L"PGM02", L"Title", L"Built-in two");
    ASSERT_TRUE(master.Save(f.folder / "Master.tiz").ok());
    storage::IniFile own;
    own.Set(L"PGM02", L"Title", L"Own two");
    own.Set(L"PGM02", L"Label", L"OWN");
    ASSERT_TRUE(own.Save(f.folder / "Own.tiz").ok());
    f.library.RestoreModules(f.settings);
    ASSERT_TRUE(f.library.LoadModuleFile(1, f.WriteModule("Own.mod", 3)));
    EXPECT_EQ(f.library.ProgramMemo(2).texts[0], L"Built-in two");
    EXPECT_EQ(f.library.ProgramMemo(27).texts[0], L"Own two");
    EXPECT_EQ(f.library.ProgramMemo(27).label, L"OWN");
    EXPECT_EQ(f.library.ProgramMemo(52).texts[0], L"Built-in two") << "an empty slot has the Master memo path";
    EXPECT_EQ(f.library.ProgramMemo(76).texts[0], L"");
}
