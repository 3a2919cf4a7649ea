#include <gtest/gtest.h>

#include <fstream>

#include "ModuleBuilder.h"
#include "ScratchFolder.h"
#include "storage/ModuleImage.h"

namespace {

class ModuleBuilderTest : public ::testing::Test {
protected:
    std::filesystem::path Source(const std::string& name, const std::string& text)
    {
        const std::filesystem::path path = folder_ / name;
        std::ofstream(path) << text;
        return path;
    }

    ScratchFolder scratch_{"modbuild"};
    std::filesystem::path folder_ = scratch_.path();
};

TEST_F(ModuleBuilderTest, ProgramsFollowTheSourcesAndTheRestAreEmpty)
{
    const ModuleBuild build =
        BuildModule({Source("01-a.keys", "LBL A 1 + 2 = R/S"), Source("02-b.keys", "# only a comment\n"),
                     Source("03-c.keys", "STO 05 RCL 00")});
    ASSERT_EQ(build.problem, L"");
    EXPECT_EQ(build.image.size(), 5050u);
    const storage::ModuleParse parsed = storage::ParseModuleImage(build.image);
    ASSERT_TRUE(parsed.image);
    EXPECT_EQ(parsed.image->lengths[0], 7);
    EXPECT_EQ(parsed.image->lengths[1], 0);
    EXPECT_EQ(parsed.image->lengths[2], 4);
    for (int p = 3; p < 25; ++p)
        EXPECT_EQ(parsed.image->lengths[static_cast<std::size_t>(p)], 0);
    const auto first = parsed.image->Program(0);
    EXPECT_EQ(std::vector<unsigned char>(first.begin(), first.end()),
              (std::vector<unsigned char>{76, 11, 1, 85, 2, 95, 91}));
    const auto third = parsed.image->Program(2);
    EXPECT_EQ(std::vector<unsigned char>(third.begin(), third.end()), (std::vector<unsigned char>{42, 5, 43, 0}));
}

TEST_F(ModuleBuilderTest, NoSourcesGiveAnEmptyModule)
{
    const ModuleBuild build = BuildModule({});
    ASSERT_EQ(build.problem, L"");
    const storage::ModuleParse parsed = storage::ParseModuleImage(build.image);
    ASSERT_TRUE(parsed.image);
    for (auto length : parsed.image->lengths)
        EXPECT_EQ(length, 0);
}

TEST_F(ModuleBuilderTest, PastFiveThousandStepsTheImageGrowsAndReadsBack)
{
    std::string big;
    for (int i = 0; i < 900; ++i)
        big += "NOP ";
    std::vector<std::filesystem::path> sources;
    for (int i = 0; i < 6; ++i)
        sources.push_back(Source("p" + std::to_string(i) + ".keys", big));
    const ModuleBuild build = BuildModule(sources);
    ASSERT_EQ(build.problem, L"");
    EXPECT_EQ(build.image.size(), 50u + 5400u);
    const storage::ModuleParse parsed = storage::ParseModuleImage(build.image);
    ASSERT_TRUE(parsed.image);
    EXPECT_EQ(parsed.image->lengths[5], 900);
    EXPECT_EQ(parsed.image->Program(5).size(), 900u);
}

TEST_F(ModuleBuilderTest, BadSourcesAreErrors)
{
    std::string tooLong;
    for (int i = 0; i < 1001; ++i)
        tooLong += "NOP ";
    struct Case {
        std::vector<std::filesystem::path> sources;
        const wchar_t* problem;
    } cases[] = {
        {{Source("a.keys", "1 + SOT")}, L"a.keys: line 1, column 5: expected a key name, a number or @NN, found \"SOT\""},
        {{Source("b.keys", tooLong)}, L"all 1000 steps are given"},
        {{folder_ / "missing.keys"}, L"cannot read"},
        {std::vector<std::filesystem::path>(26, Source("c.keys", "1")), L"a module holds 25 programs, not 26"},
    };
    for (const Case& c : cases) {
        const ModuleBuild build = BuildModule(c.sources);
        EXPECT_TRUE(build.image.empty()) << c.problem;
        EXPECT_NE(build.problem.find(c.problem), std::wstring::npos) << c.problem;
    }
}

TEST(ModuleImageSource, DefinesTheImageFunctionOverTheBytes)
{
    const std::string source = ModuleImageSource({0, 7, 255});
    EXPECT_NE(source.find("#include \"resources/BuiltInModule.h\""), std::string::npos);
    EXPECT_NE(source.find("0, 7, 255,"), std::string::npos);
    EXPECT_NE(source.find("std::span<const unsigned char> BuiltInModuleImage()"), std::string::npos);
}

} // namespace
