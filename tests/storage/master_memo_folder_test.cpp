#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include "ScratchFolder.h"
#include "storage/MasterMemoFolder.h"

namespace fs = std::filesystem;

namespace {

struct Layout : ::testing::Test {
    ScratchFolder root{"memo-folder"};
    fs::path bin = root / "bin";
    fs::path shared = root / "share" / "norvane";

    void SetUp() override
    {
        fs::create_directories(bin);
        fs::create_directories(shared);
    }
    static void Touch(const fs::path& file) { std::ofstream(file) << "[PGM01]\n"; }
};

} // namespace

TEST_F(Layout, MemoBesideTheProgramWins)
{
    Touch(bin / "Master.tiz");
    Touch(shared / "Master.tiz");
    EXPECT_EQ(MasterMemoFolder(bin), bin);
}

TEST_F(Layout, InstalledLayoutFindsTheSharedData)
{
    Touch(shared / "Master.tiz");
    EXPECT_EQ(MasterMemoFolder(bin), shared);
}

TEST_F(Layout, NoMemoAnywhereKeepsTheProgramsFolder)
{
    EXPECT_EQ(MasterMemoFolder(bin), bin);
}
