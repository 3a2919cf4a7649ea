// File names outside ASCII, as hosts hand them over in wide text, whatever the C locale.
#include <gtest/gtest.h>

#include "storage/MemoryBank.h"
#include "storage/ModuleLibrary.h"
#include "storage/TextCodec.h"
#include "CalcInFolder.h"
#include "MapSettings.h"
#include "ModuleFixture.h"

namespace {

std::wstring Wide(const std::filesystem::path& ascii) { return storage::WideFromPath(ascii); }

} // namespace

TEST(WideNames, ProgramFilesFromTheKeyboard) {
    CalcInFolder f;
    f.calc.registers[0] = CNombre(7, 12);
    f.calc.memoTexts[0][0] = L'M';
    f.host.savePath = Wide(f.folder.path()) + L"/\u00C9t\u00E9 \u20AC.ti";
    f.calc.WriteKey(false);
    EXPECT_TRUE(f.host.errors.empty());
    EXPECT_TRUE(std::filesystem::exists(f.folder / "\xC3\x89t\xC3\xA9 \xE2\x82\xAC.ti"));
    EXPECT_TRUE(std::filesystem::exists(f.folder / "\xC3\x89t\xC3\xA9 \xE2\x82\xAC.tiz"));
    f.calc.registers[0] = CNombre();
    f.host.loadPath = f.host.savePath;
    f.calc.WriteKey(true);
    EXPECT_EQ(f.calc.registers[0], CNombre(7, 12));
}

TEST(WideNames, MemoryBanksInAFolderOutsideAscii) {
    CalcInFolder f;
    std::filesystem::create_directories(f.folder / "donn\xC3\xA9" "es");
    f.SetWriteFolder(f.folder / "donn\xC3\xA9" "es");
    ASSERT_TRUE(WriteMemoryBank(f.calc, 3));
    EXPECT_TRUE(std::filesystem::exists(f.folder / "donn\xC3\xA9" "es" / "Memory#3"));
}

TEST(WideNames, ModuleFilesAndTheirSettings) {
    CalcInFolder f;
    const std::filesystem::path file = f.folder / "Fonctions \xC3\xA9" "tendues.mod";
    ScratchFolder::Write(file, test_module::Image(test_module::ShortLengths()));
    ModuleLibrary library(f.calc, {}, f.folder.path());
    ASSERT_TRUE(library.LoadModuleFile(1, Wide(f.folder.path()) + L"/Fonctions \u00E9tendues.mod"));
    EXPECT_EQ(library.Slot(1).name, L"Fonctions \u00E9tendues");

    MapSettings settings;
    library.SaveModulesToRegistry(settings);
    EXPECT_EQ(settings.values[L"Modul #1"], Wide(f.folder.path()) + L"/Fonctions \u00E9tendues.mod");
    ModuleLibrary restored(f.calc, {}, f.folder.path());
    restored.RestoreModules(settings);
    EXPECT_EQ(restored.Slot(1).kind, ModuleKind::File);
    EXPECT_EQ(restored.Slot(1).path, file);
}

TEST(WideNames, PathBytesThatAreNoUtf8BecomeLoneLowSurrogates) {
    EXPECT_EQ(storage::WideFromPath(std::filesystem::path("caf\xE9.ti")), std::wstring(L"caf") + wchar_t(0xDCE9) + L".ti");
    EXPECT_EQ(storage::WideFromPath(std::filesystem::path("caf\xC3\xA9.ti")), L"caf\u00E9.ti");
}

// Names that are not UTF-8 (here Latin-1 "é", byte 0xE9) reach the file
// system as the very bytes they were, through the wide text hosts hand over.
TEST(WideNames, BytesThatAreNotUtf8SurviveTheWideForm) {
    const char* names[] = {"caf\xE9.ti", "\xC3\xA9t\xE9.ti", "\xFF\xFE", "cut\xC3", "\xED\xA0\x80.ti"};
    for (const char* name : names) {
        const std::wstring wide = storage::WideFromPath(name);
        EXPECT_EQ(storage::PathFromWide(wide).native(), name) << name;
    }

    CalcInFolder f;
    f.calc.registers[0] = CNombre(7, 12);
    f.host.savePath = storage::WideFromPath(f.folder / "caf\xE9.ti");
    f.calc.WriteKey(false);
    EXPECT_EQ(f.folder.Entries(), std::vector<std::string>{"caf\xE9.ti"});
    f.calc.registers[0] = CNombre();
    f.host.loadPath = f.host.savePath;
    f.calc.WriteKey(true);
    EXPECT_EQ(f.calc.registers[0], CNombre(7, 12));
    EXPECT_TRUE(f.host.errors.empty()) << f.host.Captions();

    std::filesystem::create_directories(f.folder / "donn\xE9" "es");
    f.SetWriteFolder(f.folder / "donn\xE9" "es");
    ASSERT_TRUE(WriteMemoryBank(f.calc, 1));
    EXPECT_TRUE(std::filesystem::exists(f.folder / "donn\xE9" "es" / "Memory#1"));
}
