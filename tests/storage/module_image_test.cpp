#include "storage/ModuleImage.h"

#include <gtest/gtest.h>

#include "ModuleFixture.h"

using storage::ParseModuleImage;

TEST(ModuleImage, ParsesLengthsAndProgramsAndIgnoresTheRest) {
    auto bytes = test_module::Image(test_module::ShortLengths());
    bytes.resize(5050, 0); // the built-in image pads its step area
    const auto parsed = ParseModuleImage(bytes);
    ASSERT_TRUE(parsed.image) << std::string(parsed.problem.begin(), parsed.problem.end());
    EXPECT_EQ(parsed.image->lengths, test_module::ShortLengths());
    for (int p = 0; p < storage::kModulePrograms; ++p) {
        const auto program = parsed.image->Program(p);
        ASSERT_EQ(program.size(), test_module::ShortLengths()[p]);
        for (std::size_t s = 0; s < program.size(); ++s)
            ASSERT_EQ(program[s], test_module::StepOf(p + 1, static_cast<int>(s))) << p << " " << s;
    }
}

TEST(ModuleImage, RefusesImpossibleTables) {
    auto lengths = test_module::ShortLengths();
    const auto good = test_module::Image(lengths);
    struct Case {
        const char* name;
        std::vector<unsigned char> bytes;
    } cases[] = {
        {"empty", {}},
        {"table cut", std::vector<unsigned char>(good.begin(), good.begin() + 49)},
        {"steps cut by one", std::vector<unsigned char>(good.begin(), good.end() - 1)},
        {"length 1001", [] { auto l = test_module::ShortLengths(); l[7] = 1001; return test_module::Image(l); }()},
        {"length 65535", [&] { auto b = good; b[0] = 0xFF; b[1] = 0xFF; return b; }()},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseModuleImage(c.bytes);
        EXPECT_FALSE(parsed.image) << c.name;
        EXPECT_FALSE(parsed.problem.empty()) << c.name;
    }
    lengths.fill(1000);
    EXPECT_TRUE(ParseModuleImage(test_module::Image(lengths)).image) << "25 full programs";
}
