// What the calculator tells its host, with the debugger open and closed.
#include <gtest/gtest.h>

#include "KeyScript.h"
#include "RecordingHost.h"

#include <algorithm>

namespace {

struct HostCase {
    const char* keys;
    const char* call;   // one call the keys must make (a prefix of the recorded line)
};

void PrintTo(const HostCase& c, std::ostream* os) { *os << c.keys; }

bool SawPrefix(const RecordingHost& host, const std::string& prefix)
{
    return std::any_of(host.notifications.begin(), host.notifications.end(),
                       [&](const std::string& call) { return call.rfind(prefix, 0) == 0; });
}

class HostCalls : public ::testing::TestWithParam<HostCase> {};

TEST_P(HostCalls, DebuggerIsTold)
{
    const HostCase& c = GetParam();
    CCalc calc;
    RecordingHost host;
    host.wantsChangeNotifications = true;
    calc.host = &host;   // assigned directly, as front ends may
    keyscript::Type(calc, c.keys);
    EXPECT_TRUE(SawPrefix(host, c.call)) << c.call;
}

const HostCase kCalls[] = {
    {"1", "display"},
    {"CMS", "registers 0-99"},
    {"2 SIGMA+", "registers 1-6"},
    {"2 SIGMA+", "t"},
    {"X<>T", "t"},
    {"2 X<>T 3 P>R", "t"},
    {"CP", "listing 0-999"},
    {"CP", "labels"},
    {"CP", "t"},
    {"5 STO 0 5", "registers 5-5"},
    {"5 SUM IND 0 0", "registers 0-0"},
    {"STF 3", "flags"},
    {"RST", "repaint"},
    {"RST", "flags"},
    {"2 + (", "hierarchy"},
    {"LRN 5", "listing 0-0"},
    {"LRN 5 BST INS", "listing 0-999"},
    {"LRN 5 LRN", "pc 1"},
    {"GTO 0 1 2", "pc 12"},
};
INSTANTIATE_TEST_SUITE_P(Calls, HostCalls, ::testing::ValuesIn(kCalls));

TEST(Host, ClosedDebuggerHearsNothingButTheMainWindowDoes)
{
    CCalc calc;
    RecordingHost host;
    calc.SetHost(&host);
    keyscript::Type(calc, "5 STO 0 1 CMS 2 + ( 3 ) = LRN 1 LRN CP");
    ASSERT_EQ(host.notifications.size(), 1u);
    EXPECT_EQ(host.notifications[0], "labels");
}

TEST(Host, EveryStepRefreshesAndRepaints)
{
    CCalc calc;
    RecordingHost host;
    host.wantsChangeNotifications = true;
    calc.SetHost(&host);
    keyscript::Poke(calc, 0, 0, "01 91");
    calc.ProcessKey(Key::RunStop);
    host.notifications.clear();
    calc.StepProgram();
    const std::vector<std::string> expected = {"pc 1", "display", "repaint"};
    EXPECT_EQ(host.notifications, expected);
}

// A host that stops the run as soon as the debugger follows pc to a step.
struct StoppingHost : RecordingHost {
    StoppingHost() { wantsChangeNotifications = true; }
    CCalc* calc = nullptr;
    int breakAt = -1;
    void MoveCurrentStep(int pc) override
    {
        if (pc == breakAt)
            calc->ProcessKey(Key::RunStop);
    }
};

TEST(Host, BreakpointStopLeavesPcOnTheBreakpoint)
{
    struct Case {
        const char* steps;
        int breakAt;
    } cases[] = {
        {"61 12 91 76 12 05 91", 5},   // GTO B lands after Lbl B
        {"61 00 04 91 05 91", 4},      // GTO 004
        {"01 02 03 04", 2},            // plain advance
        {"01 81", 0},                  // RST
    };
    for (const Case& c : cases) {
        CCalc calc;
        StoppingHost host;
        host.calc = &calc;
        host.breakAt = c.breakAt;
        calc.SetHost(&host);
        keyscript::Poke(calc, 0, 0, c.steps);
        keyscript::Type(calc, "R/S");
        EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate) << c.steps;
        EXPECT_EQ(calc.Pc(), c.breakAt) << c.steps;
    }
}

TEST(Host, BreakpointStopFromTheHostWaitsForTheOperand)
{
    StoppingHost host;
    CCalc calc;
    host.calc = &calc;
    host.breakAt = 2;
    calc.SetHost(&host);
    keyscript::Poke(calc, 0, 0, "07 42 05 91");
    keyscript::Type(calc, "R/S");
    EXPECT_EQ(calc.Mode(), CCalc::ModeCalculate);
    EXPECT_EQ(calc.Pc(), 3);
    keyscript::Type(calc, "RCL 0 5");
    EXPECT_EQ(keyscript::Display(calc), "7.");
}

}  // namespace
