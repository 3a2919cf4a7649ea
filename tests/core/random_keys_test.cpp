// Long runs of random key codes, 0 to 255, in all three modes, with and
// without programs in memory: the calculator's invariants must hold after
// every key and every step. NORVANE_RANDOM_KEYS raises the number of codes.
#include <gtest/gtest.h>

#include "Invariants.h"
#include "RecordingHost.h"
#include "RunLength.h"
#include "ScratchFolder.h"

#include <random>
#include <vector>
#include <string>

namespace {

long CodeBudget()
{
    return CountFromEnvironment("NORVANE_RANDOM_KEYS", 2'000'000);
}

// Programs made of key codes, with labels and calls often enough to matter.
void FillPrograms(CCalc& calc, std::mt19937& random)
{
    static const uint8_t common[] = {76, 11, 12, 13, 71, 61, 92, 97, 87, 86, 67, 77, 42, 43,
                                     44, 40, 36, 22, 91, 1, 2, 0, 85, 95, 65, 53, 54, 45};
    std::uniform_int_distribution<int> anyCode(0, 99);
    std::uniform_int_distribution<int> pick(0, sizeof common - 1);
    std::vector<uint8_t> steps(CCalc::StepCount);
    for (int area = 0; area < CCalc::AreaCount; ++area) {
        for (uint8_t& step : steps)
            step = static_cast<uint8_t>(random() % 2 ? common[pick(random)] : anyCode(random));
        calc.WriteArea(area, steps);
    }
}

struct Scenario {
    const char* name;
    bool programs;
    bool debugger;
};

class RandomKeys : public ::testing::TestWithParam<Scenario> {};

TEST_P(RandomKeys, KeepInvariants)
{
    const Scenario& scenario = GetParam();
    std::mt19937 random(20261208u + (scenario.programs ? 1 : 0) + (scenario.debugger ? 2 : 0));
    std::uniform_int_distribution<int> anyCode(0, 255);
    CCalc calc;
    RecordingHost host;  // checks every range it is told
    host.wantsChangeNotifications = true;
    if (scenario.debugger)
        calc.SetHost(&host);
    const ScratchFolder banks("random-keys");
    calc.SetWriteFolder(banks.path().wstring());
    if (scenario.programs)
        FillPrograms(calc, random);

    long budget = CodeBudget() / 4;
    while (budget > 0) {
        if (calc.Mode() == CCalc::ModeRun) {
            // Mostly steps; now and then a key from the keyboard, R/S above all.
            const int roll = static_cast<int>(random() % 64);
            if (roll == 0)
                calc.ProcessKey(static_cast<uint8_t>(anyCode(random)));
            else if (roll == 1)
                calc.ProcessKey(Key::RunStop);
            else
                calc.StepProgram();
        } else {
            calc.ProcessKey(static_cast<uint8_t>(anyCode(random)));
        }
        --budget;
        CheckInvariants(calc);
        host.notifications.clear();
        if (scenario.programs && random() % 200'000 == 0)
            FillPrograms(calc, random);
    }
}

const Scenario kScenarios[] = {
    {"EmptyMemory", false, false},
    {"EmptyMemoryWithDebugger", false, true},
    {"Programs", true, false},
    {"ProgramsWithDebugger", true, true},
};
INSTANTIATE_TEST_SUITE_P(Scenarios, RandomKeys, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

// Every mode must actually be visited for the run to mean anything.
TEST(RandomKeysCoverage, VisitsAllThreeModes)
{
    std::mt19937 random(7);
    CCalc calc;
    // Programs write memory banks: keep them out of the working folder.
    const ScratchFolder banks("random-modes");
    calc.SetWriteFolder(banks.path().wstring());
    FillPrograms(calc, random);
    long visits[3] = {};
    for (int i = 0; i < 200'000; ++i) {
        if (calc.Mode() == CCalc::ModeRun && random() % 8)
            calc.StepProgram();
        else
            calc.ProcessKey(static_cast<uint8_t>(random() % 256));
        ++visits[calc.Mode()];
    }
    for (long count : visits)
        EXPECT_GT(count, 1000);
}

}  // namespace
