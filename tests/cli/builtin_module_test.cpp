#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "programtext/Assembler.h"
#include "cli/ScriptInput.h"
#include "core/CCalc.h"
#include "resources/BuiltInModule.h"
#include "storage/ModuleImage.h"

namespace {

std::vector<std::filesystem::path> LibrarySources()
{
    std::vector<std::filesystem::path> sources;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(NORVANE_LIBRARY_SOURCES, error))
        if (entry.path().extension() == ".keys")
            sources.push_back(entry.path());
    std::sort(sources.begin(), sources.end(),
              [](const auto& a, const auto& b) { return a.filename().string() < b.filename().string(); });
    return sources;
}

// The image the programs carry is the sources assembled in the order of their names.
TEST(BuiltInModule, ProgramNIsTheNthSourceByName)
{
    const storage::ModuleParse parsed = storage::ParseModuleImage(BuiltInModuleImage());
    ASSERT_TRUE(parsed.image);
    // At least the original 5050 bytes; a longer library makes a longer image.
    EXPECT_GE(BuiltInModuleImage().size(), 5050u);
    const std::vector<std::filesystem::path> sources = LibrarySources();
    ASSERT_LE(sources.size(), 25u);
    for (std::size_t i = 0; i < 25; ++i) {
        const auto program = parsed.image->Program(static_cast<int>(i));
        if (i >= sources.size()) {
            EXPECT_TRUE(program.empty()) << i;
            continue;
        }
        const ScriptInput source = ReadScriptFile(sources[i]);
        ASSERT_EQ(source.problem, L"");
        auto calc = std::make_unique<CCalc>();
        const Assembly assembly = Assemble(*calc, source.tokens);
        ASSERT_EQ(static_cast<int>(program.size()), assembly.length) << sources[i];
        EXPECT_TRUE(std::equal(program.begin(), program.end(), calc->UserProgram().begin())) << sources[i];
    }
}

} // namespace
