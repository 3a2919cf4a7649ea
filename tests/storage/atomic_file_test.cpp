#include "storage/AtomicFile.h"
#include "storage/ReadFile.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "ScratchFolder.h"

using storage::WriteStage;

namespace {

const std::vector<unsigned char> kOld{'o', 'l', 'd'};
const std::vector<unsigned char> kNew{'n', 'e', 'w', '!', 0, 255};

} // namespace

TEST(AtomicFile, CreatesAndReplacesWithoutLeavingTemporaries) {
    ScratchFolder folder;
    const auto target = folder / "prog.ti";
    ASSERT_TRUE(storage::WriteFileAtomically(target, kOld).ok());
    EXPECT_EQ(ScratchFolder::Read(target), kOld);
    ASSERT_TRUE(storage::WriteFileAtomically(target, kNew).ok());
    EXPECT_EQ(ScratchFolder::Read(target), kNew);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"prog.ti"});
}

TEST(AtomicFile, FailuresKeepTheOldFileAndSayWhere) {
    ScratchFolder folder;
    const auto inMissingFolder = folder / "missing" / "prog.ti";
    auto result = storage::WriteFileAtomically(inMissingFolder, kNew);
    EXPECT_EQ(result.failedAt, WriteStage::Create);
    EXPECT_EQ(result.error, ENOENT);

    // A folder of that name is refused before anything is written.
    const auto occupied = folder / "busy";
    std::filesystem::create_directories(occupied / "inside");
    result = storage::WriteFileAtomically(occupied, kNew);
    EXPECT_EQ(result.failedAt, WriteStage::Create);
    EXPECT_EQ(result.error, EISDIR);
    EXPECT_TRUE(std::filesystem::is_directory(occupied / "inside"));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"busy"});
}

TEST(AtomicFile, AbandonedWriteKeepsTheOldFile) {
    ScratchFolder folder;
    const auto target = folder / "TI59.state";
    ScratchFolder::Write(target, kOld);
    {
        storage::AtomicFile file(target);
        ASSERT_TRUE(file.Open());
        file.Write(kNew);
        // destroyed without Commit, as when the writer gives up half way
    }
    EXPECT_EQ(ScratchFolder::Read(target), kOld);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"TI59.state"});
}

TEST(ReadFile, BoundsTheSizeAndReportsMissingFiles) {
    ScratchFolder folder;
    const auto file = folder / "data";
    ScratchFolder::Write(file, kNew);
    struct Case { std::size_t limit; std::size_t expected; } cases[] = {{0, 0}, {3, 3}, {6, 6}, {100, 6}};
    for (const auto& c : cases) {
        const auto read = storage::ReadFileBytes(file, c.limit);
        EXPECT_TRUE(read.opened);
        EXPECT_FALSE(read.failed);
        EXPECT_EQ(read.bytes.size(), c.expected) << "limit " << c.limit;
    }
    const auto missing = storage::ReadFileBytes(folder / "nothing", 100);
    EXPECT_FALSE(missing.opened);
    EXPECT_EQ(missing.error, ENOENT);
    const auto directory = storage::ReadFileBytes(folder.path(), 100);
    EXPECT_TRUE(!directory.opened || directory.failed);
}
