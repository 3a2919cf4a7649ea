// The worked examples of docs/library.md, read from the document itself and
// keyed in as they stand, so that the text and the programs cannot drift apart.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "LibraryRun.h"
#include "resources/BuiltInModule.h"
#include "storage/ModuleImage.h"

namespace {

struct Row {
    std::string keys;
    std::string display; // empty: the row is only keyed
    bool flashing = false;
};

// "## 02 Determinant" starts a program; its rows "| `keys` | display | note |"
// follow each other in one session.
std::vector<std::pair<std::string, std::vector<Row>>> ReadExamples()
{
    std::ifstream doc(NORVANE_LIBRARY_DOC);
    const std::regex heading(R"(^## (\d\d) )");
    const std::regex row(R"(^\| `([^`]+)` \|([^|]*)\|)");
    std::vector<std::pair<std::string, std::vector<Row>>> programs;
    std::smatch m;
    for (std::string line; std::getline(doc, line);) {
        if (std::regex_search(line, m, heading)) {
            programs.push_back({m[1], {}});
        } else if (!programs.empty() && std::regex_search(line, m, row)) {
            Row r{m[1], m[2]};
            r.display.erase(0, r.display.find_first_not_of(' '));
            r.display.erase(r.display.find_last_not_of(' ') + 1);
            const std::string flash = ", flashing";
            r.flashing = r.display.ends_with(flash);
            if (r.flashing)
                r.display.resize(r.display.size() - flash.size());
            programs.back().second.push_back(r);
        }
    }
    return programs;
}

TEST(DocumentedExamples, EveryProgramShowsWhatItsTextSays)
{
    const auto programs = ReadExamples();
    ASSERT_EQ(programs.size(), 25u);
    for (const auto& [number, rows] : programs) {
        SCOPED_TRACE("program " + number);
        EXPECT_FALSE(rows.empty());
        std::string script;
        for (const Row& r : rows) {
            script += " " + r.keys;
            if (r.display.empty())
                continue;
            LibraryRun run(script);
            // Same number to the digits shown: "0.6" in the text is ".6" on the display.
            EXPECT_EQ(LibraryRun::DisplayNumber(run.display()), LibraryRun::DisplayNumber(r.display))
                << script << " shows " << run.display();
            EXPECT_EQ(run.error(), r.flashing) << script;
        }
    }
}

// The table of programs gives each one's length in steps, and the total.
TEST(DocumentedExamples, TheStepCountsAreThoseOfTheModule)
{
    const storage::ModuleParse module = storage::ParseModuleImage(BuiltInModuleImage());
    ASSERT_TRUE(module.image);
    std::ifstream doc(NORVANE_LIBRARY_DOC);
    const std::regex program(R"(^\| (\d\d) \| [^|]+ \| (\d+) \|$)"), total(R"(^\| \| total \| (\d+) \|$)");
    std::smatch m;
    int listed = 0, sum = 0;
    for (std::string line; std::getline(doc, line);) {
        if (std::regex_search(line, m, program)) {
            const int length = module.image->lengths[static_cast<std::size_t>(std::stoi(m[1]) - 1)];
            EXPECT_EQ(std::stoi(m[2]), length) << "program " << m[1];
            sum += length;
            ++listed;
        } else if (std::regex_search(line, m, total)) {
            EXPECT_EQ(std::stoi(m[1]), sum);
        }
    }
    EXPECT_EQ(listed, 25);
}

} // namespace
