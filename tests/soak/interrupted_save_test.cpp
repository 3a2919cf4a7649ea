// A save cut short half way (the file system refuses to let the file grow,
// as a full disk would) must leave the previous file exactly as it was,
// leave no temporary file behind, and say that it failed.
#include <gtest/gtest.h>

#include "FileFuzz.h"
#include "RecordingHost.h"
#include "printer/Breakpoints.h"
#include "storage/IniFile.h"
#include "storage/MemoFile.h"
#include "storage/MemoryBank.h"
#include "storage/ModuleLibrary.h"
#include "storage/ProgramFile.h"

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

// While it lives, no file may grow past `limit` bytes and a write past it
// fails with EFBIG instead of killing the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit cut{limit, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &cut);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

// What a case's save reports: true when it says it succeeded.
using Save = std::function<bool(CCalc& calc, const fs::path& folder)>;

struct SaveCase {
    const char* name;
    const char* file;  // in the folder
    rlim_t limit;      // bytes the file system lets the file reach
    Save save;
    std::function<void(const fs::path& folder)> prepare = {}; // before the limit, when set
};

void FillEverything(CCalc& calc)
{
    fuzz::MarkState(calc);
    for (int i = 0; i < CCalc::MemoCount; ++i)
        std::wcscpy(calc.memoTexts[i], std::wstring(120, static_cast<wchar_t>(L'a' + i)).c_str());
}

BreakpointTables FullTables()
{
    BreakpointTables tables;
    for (std::size_t i = 0; i < kStepSlots; ++i)
        tables.steps[i] = BreakpointRecord::NewStep();
    for (std::size_t i = 0; i < kRegisterSlots; ++i)
        tables.registers[i] = BreakpointRecord::NewRegister(static_cast<int>(i));
    return tables;
}

const SaveCase kCases[] = {
    {"ProgramFile", "prog.ti", 1000,
     [](CCalc& calc, const fs::path& folder) { return SaveProgramFile(calc, folder / "prog.ti"); }},
    {"ProgramMemo", "prog.tiz", 1000,
     [](CCalc& calc, const fs::path& folder) { return storage::WriteProgramMemo(calc, folder / "prog.ti").ok; }},
    {"BreakpointState", "TI59.state", 4000,
     [](CCalc&, const fs::path& folder) { return SaveBreakpointState(folder / "TI59.state", FullTables()).ok(); }},
    {"MemoryBank", "Memory#2", 150,
     [](CCalc& calc, const fs::path&) { return WriteMemoryBank(calc, 2); }},
    {"ModuleFile", "lib.mod", 3000,
     [](CCalc&, const fs::path& folder) {
         CCalc owner;
         ModuleLibrary library(owner, {}, folder);
         library.InitModuleSlots();
         return library.LoadModuleFile(0, folder / "source.mod") && library.SaveModuleFile(0, folder / "lib.mod");
     },
     // A module of 25 full programs in a file of its own, so that its slot can be saved.
     [](const fs::path& folder) {
         const std::vector<unsigned char> steps(1000, 42);
         std::array<std::span<const unsigned char>, storage::kModulePrograms> programs;
         programs.fill(steps);
         storage::ProgramLengths lengths;
         lengths.fill(1000);
         fuzz::WriteInput(folder / "source.mod", storage::EncodeModuleImage(lengths, programs));
     }},
    {"SettingsIni", "settings.ini", 500,
     [](CCalc&, const fs::path& folder) {
         storage::IniFile ini;
         for (int i = 0; i < 100; ++i)
             ini.Set(L"Main", L"Key" + std::to_wstring(i), std::wstring(40, L'v'));
         return ini.Save(folder / "settings.ini").ok();
     }},
};

class InterruptedSave : public ::testing::TestWithParam<SaveCase> {};

TEST_P(InterruptedSave, KeepsThePreviousFile)
{
    const SaveCase& c = GetParam();
    const ScratchFolder folder(c.name);
    const fs::path target = folder.path() / c.file;
    std::vector<unsigned char> previous(c.limit / 2 + 7);
    for (std::size_t i = 0; i < previous.size(); ++i)
        previous[i] = static_cast<unsigned char>(i * 31 + 5);
    fuzz::WriteInput(target, previous);
    if (c.prepare)
        c.prepare(folder.path());

    CCalc calc;
    RecordingHost host;
    calc.SetHost(&host);
    FillEverything(calc);
    calc.SetWriteFolder(folder.path().wstring());
    bool saved = true;
    {
        const FileSizeLimit full(c.limit);
        saved = c.save(calc, folder.path());
    }
    EXPECT_FALSE(saved) << "a save cut short reported success";
    EXPECT_EQ(ScratchFolder::Read(target), previous) << "the previous file was damaged";
    for (const std::string& name : folder.Entries())
        EXPECT_EQ(name.find(".tmp"), std::string::npos) << "a temporary file was left behind: " << name;

    // Without the limit the same save goes through, so the case did test a cut.
    EXPECT_TRUE(c.save(calc, folder.path()));
    EXPECT_GT(fs::file_size(target), c.limit);
}

INSTANTIATE_TEST_SUITE_P(Files, InterruptedSave, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
