#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "KeyScript.h"
#include "ScratchFolder.h"
#include "cli/Commands.h"
#include "cli/Runner.h"
#include "cli/Session.h"
#include "resources/BuiltInModule.h"
#include "storage/ModuleImage.h"

namespace {

class SessionTest : public ::testing::Test {
protected:
    std::filesystem::path File(const std::string& name, const std::string& bytes)
    {
        const std::filesystem::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::ostringstream out_, err_;
    CliHost host_{out_, err_, {}};
    ScratchFolder scratch_{"session"};
    std::filesystem::path folder_ = scratch_.path();
};

TEST_F(SessionTest, FilesThatCannotBeUsedAreNamedAndChangeNothing)
{
    struct Case {
        CliOptions options;
        std::wstring problemStart;
    };
    CliOptions missingProgram, damagedProgram, badListing, missingModule, damagedModule, longPrintPath;
    missingProgram.load = folder_ / "none.ti";
    damagedProgram.load = File("short.ti", std::string(100, '\0'));
    badListing.load = File("l.txt", "000 42 STO\nSTO 05\n");
    missingModule.modules[1] = folder_ / "none.mod";
    damagedModule.modules[2] = File("bad.mod", std::string(10, '\xff'));
    longPrintPath.printFile = folder_ / std::string(150, 'd') / std::string(150, 'p');
    const Case cases[] = {
        {missingProgram, L"cannot read "},
        {damagedProgram, (folder_ / "short.ti").wstring() + L": "},
        {badListing, (folder_ / "l.txt").wstring() + L": line 2, column 1: expected a listing line"},
        {missingModule, L"cannot read "},
        {damagedModule, L"cannot use "},
        {longPrintPath, L"the path " + folder_.wstring()},
    };
    for (const Case& c : cases) {
        Session session(host_, {});
        keyscript::Poke(session.calc(), 0, 0, "42");
        const std::wstring problem = session.Prepare(c.options);
        EXPECT_EQ(problem.rfind(c.problemStart, 0), 0u) << std::string(problem.begin(), problem.end());
        EXPECT_EQ(session.calc().UserProgram()[0], 42);
    }
}

TEST_F(SessionTest, BytesAfterTheProgramsAModuleNamesAreIgnored)
{
    std::string bytes(storage::kLengthTableBytes, '\0');
    bytes[0] = 3;
    bytes += "\x01\x02\x03";
    bytes.resize(storage::kLongestModule + 100, '\xff');
    CliOptions options;
    options.modules[1] = File("long.mod", bytes);
    Session session(host_, {});
    EXPECT_EQ(session.Prepare(options), L"");
    const auto program = session.calc().Area(storage::kModulePrograms + 1);
    EXPECT_EQ((std::vector<int>{program[0], program[1], program[2], program[3]}), (std::vector<int>{1, 2, 3, 0}));
}

TEST_F(SessionTest, AListingFillsUserMemoryAndStartsAtStepZero)
{
    CliOptions options;
    options.load = File("l.txt", "000 76 LBL\n001 11 A\n002 99 PRT\n");
    Session session(host_, {});
    keyscript::Poke(session.calc(), 0, 500, "7");
    keyscript::GoTo(session.calc(), 12);
    ASSERT_EQ(session.Prepare(options), L"");
    EXPECT_EQ(session.calc().UserProgram()[2], 99);
    EXPECT_EQ(session.calc().UserProgram()[500], 0);
    EXPECT_EQ(session.calc().Pc(), 0);
}

TEST_F(SessionTest, TheMasterLibraryIsInSlotZeroAsOnAFirstStart)
{
    Session session(host_, {BuiltInModuleImage(), folder_});
    const ModuleSlot& slot = session.modules().Slot(0);
    EXPECT_EQ(slot.kind, ModuleKind::BuiltIn);
    EXPECT_EQ(slot.name, L"Master Library");
    EXPECT_EQ(slot.memoPath, folder_ / "Master.tiz");
    EXPECT_EQ(session.modules().Slot(1).kind, ModuleKind::Empty);
    const storage::ModuleParse parsed = storage::ParseModuleImage(BuiltInModuleImage());
    ASSERT_TRUE(parsed.image);
    const auto first = parsed.image->Program(0);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), session.calc().Area(1).begin()));
}

TEST_F(SessionTest, TheWriteFolderDefaultsToTheCurrentOne)
{
    Session session(host_, {});
    ASSERT_EQ(session.Prepare({}), L"");
    EXPECT_EQ(std::filesystem::path(session.calc().WriteFolder()), std::filesystem::current_path());
}

TEST_F(SessionTest, TheDisplayLineMarksTheErrorState)
{
    Session session(host_, {});
    ScriptRunner runner(session.calc(), host_, {});
    EXPECT_EQ(runner.DisplayLine(), L"0");
    for (std::uint8_t key : {1, 55, 0, 95})
        runner.PressKey(key);
    EXPECT_EQ(runner.DisplayLine(), L"9.9999999 99 ?");
    runner.PressKey(25);
    EXPECT_EQ(runner.DisplayLine(), L"0");
}

TEST_F(SessionTest, KeyboardFilesNotNamedAreSaidSo)
{
    EXPECT_EQ(host_.AskSaveProgramPath(), L"");
    EXPECT_EQ(host_.AskLoadProgramPath(), L"");
    EXPECT_EQ(host_.AskListingPath(), L"");
    EXPECT_EQ(err_.str(), "norvane-cli: Write: no file named; give one with --program-out FILE\n"
                          "norvane-cli: INV Write: no file named; give one with --program-in FILE\n"
                          "norvane-cli: List: no file named; give one with --listing-out FILE\n");
    CliHost named(out_, err_, {std::filesystem::path("w.ti"), std::filesystem::path("r.ti"), std::filesystem::path("l.txt")});
    EXPECT_EQ(named.AskSaveProgramPath(), L"w.ti");
    EXPECT_EQ(named.AskLoadProgramPath(), L"r.ti");
    EXPECT_EQ(named.AskListingPath(), L"l.txt");
}

} // namespace

// File names on the command line that are not UTF-8 (byte 0xE9) name exactly
// those files, whether the engine opens them itself or a key asks for them.
TEST_F(SessionTest, NamesThatAreNotUtf8AreKeptAsBytes)
{
    std::filesystem::create_directories(folder_ / "d\xE9");
    const std::string base = folder_.string() + "/";
    const ParsedOptions parsed = ParseOptions({"run", "--print-file", base + "imp\xE9.txt", "--write-folder",
                                               base + "d\xE9", "--listing-out", base + "list\xE9.txt",
                                               "--program-out", base + "prog\xE9.ti", "-e", "5 PRT LIST WRITE"});
    ASSERT_EQ(parsed.error, "");
    std::istringstream in;
    ASSERT_EQ(RunCommand(parsed.options, {BuiltInModuleImage(), folder_}, in, out_, err_), kExitOk) << err_.str();
    EXPECT_EQ(err_.str(), "");
    for (const char* name : {"imp\xE9.txt", "list\xE9.txt", "prog\xE9.ti"})
        EXPECT_TRUE(std::filesystem::is_regular_file(folder_ / name)) << name;
}
