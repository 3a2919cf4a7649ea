// The Write key: program files from the keyboard, memory banks in a program.
#include <gtest/gtest.h>

#include <cerrno>

#include "KeyScript.h"
#include "core/CCalc.h"
#include "core/KeyCodes.h"
#include "storage/MemoFile.h"
#include "CalcInFolder.h"

using Fixture = CalcInFolder;

TEST(WriteKey, FromTheKeyboardSavesAndLoadsProgramFiles) {
    Fixture f;
    f.calc.registers[9] = CNombre(9, 12);
    keyscript::SetStep(f.calc, 0, 0, 76);
    f.calc.memoTexts[0][0] = L'T';
    f.host.savePath = (f.folder / "prog.ti").wstring();
    f.calc.WriteKey(false);
    EXPECT_TRUE(std::filesystem::exists(f.folder / "prog.ti"));
    EXPECT_TRUE(std::filesystem::exists(f.folder / "prog.tiz"));

    f.calc.registers[9] = CNombre();
    keyscript::SetStep(f.calc, 0, 0, 0);
    f.calc.memoTexts[0][0] = 0;
    f.host.loadPath = f.host.savePath;
    f.calc.WriteKey(true);
    EXPECT_EQ(f.calc.registers[9], CNombre(9, 12));
    EXPECT_EQ(f.calc.Area(0)[0], 76);
    EXPECT_EQ(storage::MemoTextsOf(f.calc)[0], L"T");
    EXPECT_EQ(f.host.Count("labels"), 1);
}

TEST(WriteKey, NoNameGivenDoesNothing) {
    Fixture f;
    f.calc.registers[9] = CNombre(9, 12);
    f.calc.WriteKey(false);
    f.calc.WriteKey(true);
    EXPECT_TRUE(f.folder.Entries().empty());
    EXPECT_EQ(f.calc.registers[9], CNombre(9, 12));
    EXPECT_EQ(f.host.Count("labels"), 0);
    f.calc.host = nullptr;
    f.calc.WriteKey(false); // nobody to ask: nothing happens
    f.calc.WriteKey(true);
}

TEST(WriteKey, LoadingAFileThatIsNotThereSaysSoAndChangesNothing) {
    Fixture f;
    f.calc.registers[9] = CNombre(9, 12);
    keyscript::SetStep(f.calc, 0, 0, 76);
    f.host.loadPath = (f.folder / "missing.ti").wstring();
    f.calc.WriteKey(true);
    EXPECT_EQ(f.host.Captions(), L"CreateFile");
    EXPECT_EQ(f.host.errors.at(0).code, ENOENT);
    EXPECT_EQ(f.calc.registers[9], CNombre(9, 12));
    EXPECT_EQ(f.calc.Area(0)[0], 76);
    EXPECT_EQ(f.host.Count("labels"), 0);
}

TEST(WriteKey, InAProgramTheDisplayNamesTheBank) {
    struct Case { CNombre x; const char* file; int first; bool error; } cases[] = {
        {CNombre(27, 11), "Memory#2", 50, false},     // 2.7 writes bank 2
        {CNombre(-27, 11), "Memory#2", 50, false},
        {CNombre(9, 11), "Memory#0", 0, false},       // 0.9 is bank 0
        {CNombre(5, 12), "Memory#5", 25, false},
        {CNombre(1, 32), "", 0, true},                // 1e20 names no file
    };
    for (const auto& c : cases) {
        Fixture f;
        for (int i = 0; i < 100; ++i)
            f.calc.registers[i] = CNombre(i + 1, 12);
        f.calc.ProcessKey(Key::RunStop);
        f.calc.x = c.x;
        f.calc.WriteKey(false);
        EXPECT_EQ(f.calc.errorFlag != 0, c.error) << c.file;
        if (c.error) {
            EXPECT_TRUE(f.folder.Entries().empty());
            continue;
        }
        EXPECT_EQ(f.folder.Entries(), std::vector<std::string>{c.file});
        f.calc.registers[c.first] = CNombre();
        f.calc.WriteKey(true);
        EXPECT_EQ(f.calc.registers[c.first], CNombre(c.first + 1, 12)) << c.file;
        EXPECT_TRUE(f.host.errors.empty());
    }
}
