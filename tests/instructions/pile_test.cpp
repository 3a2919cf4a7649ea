// The pending-operation stack: precedence, parentheses, limits, hierarchy registers.
#include "instructions/CPile.h"

#include "RecordingHost.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// Plays a script of numbers and operator keys as the calculator would: a
// number is placed on the pile as the display value, an operator is applied.
// Operators: + - * / ^ (power) r (root) ( ) =
struct Script {
    int errorFlag = 0;
    CPile pile{errorFlag};

    void Play(const std::string& keys)
    {
        std::istringstream in(keys);
        std::string token;
        while (in >> token) {
            const int code = Code(token);
            if (code >= 0)
                pile.Apply(code);
            else
                pile.PlaceOperand(CNombre::FromDouble(std::stod(token)));
        }
    }

    static int Code(const std::string& token)
    {
        static const std::string symbols = "r^*/+-()=";
        if (token.size() != 1 || symbols.find(token[0]) == std::string::npos)
            return -1;
        return static_cast<int>(symbols.find(token[0]));
    }
};

TEST(Pile, ResultsFollowPrecedence)
{
    struct Case { const char* keys; double top; int level; };
    const Case cases[] = {
        {"2 + 3 *", 3, 2},
        {"2 * 3 +", 6, 1},
        {"2 * ( 3 + 4 )", 7, 1},
        {"2 * ( 3 + 4 ) =", 14, 0},
        {"2 + 3 * 4 =", 14, 0},
        {"2 * 3 + 4 =", 10, 0},
        {"5 - 6 - 7 =", -8, 0},
        {"2 - 3 - 4 =", -5, 0},
        {"2 ^ 3 ^ 2 =", 64, 0},
        {"2 + 3 ^ 2 * 2 =", 20, 0},
        {"8 / 4 / 2 =", 1, 0},
        {"2 + ( 3 * 4 =", 14, 0},
        {"2 + ( 3 * 4 = 5 - 6 - 7 =", -8, 0},
        {"2 + 3 * 4 )", 14, 0},
        {"( ( 2 + 3 ) * ( 4 - 1 ) ) =", 15, 0},
        {"7 =", 7, 0},
        {"2 +", 2, 1},
    };
    for (const Case& c : cases) {
        Script s;
        s.Play(c.keys);
        EXPECT_EQ(s.pile.Top(), CNombre::FromDouble(c.top)) << c.keys;
        EXPECT_EQ(s.pile.level, c.level) << c.keys;
        EXPECT_EQ(s.errorFlag, 0) << c.keys;
    }
}

TEST(Pile, RootGoesThroughTheReciprocal)
{
    Script s;
    s.Play("8 r 3 =");
    EXPECT_NEAR(s.pile.Top().ToDouble(), 2.0, 1e-11);
    EXPECT_EQ(s.errorFlag, 0);
}

TEST(Pile, Failures)
{
    struct Case { const char* keys; int level; double top; };
    const Case cases[] = {
        {"2 + *", 1, 2},          // no operand after +: the pending addition stays
        {"2 + =", 1, 2},
        {"2 + )", 1, 2},
        {"-2 ^ 3 =", 0, 8},       // negative base: |y| is used and the flag set
        {"-8 r 3 =", 0, 2},
    };
    for (const Case& c : cases) {
        Script s;
        s.Play(c.keys);
        EXPECT_EQ(s.errorFlag, 1) << c.keys;
        EXPECT_EQ(s.pile.level, c.level) << c.keys;
        EXPECT_NEAR(s.pile.Top().ToDouble(), c.top, 1e-11) << c.keys;
    }
}

TEST(Pile, AfterARefusedOperatorThePileStillWorks)
{
    Script s;
    s.Play("2 + * 3 =");
    EXPECT_EQ(s.errorFlag, 1);
    EXPECT_EQ(s.pile.Top(), CNombre::FromDouble(5));
    EXPECT_EQ(s.pile.level, 0);
}

TEST(Pile, DivisionByZeroLeavesTheMarkerForTheRangeCheck)
{
    Script s;
    s.Play("5 / 0 =");
    CNombre top = s.pile.Top();
    EXPECT_TRUE(top.IsDivisionByZero());
    EXPECT_TRUE(top.ClampToRange());
    // Inside parentheses the marker becomes a divisor in the same reduction.
    Script nested;
    nested.Play("5 / ( 1 / 0 =");
    CNombre quotient = nested.pile.Top();
    EXPECT_TRUE(quotient.ClampToRange());
    EXPECT_EQ(quotient, CNombre::MinPositive);
}

TEST(Pile, NineParenthesesAcceptedTheTenthRefused)
{
    Script s;
    s.Play("( ( ( ( ( ( ( ( (");
    EXPECT_EQ(s.errorFlag, 0);
    EXPECT_EQ(s.pile.openCount, 9);
    EXPECT_EQ(s.pile.parenCounts[0], 9);
    s.Play("(");
    EXPECT_EQ(s.errorFlag, 1);
    EXPECT_EQ(s.pile.openCount, 10);
    EXPECT_EQ(s.pile.parenCounts[0], 9) << "the tenth is recorded at no level";
    s.Play("(");
    EXPECT_EQ(s.pile.parenCounts[0], 10) << "past the refusal, counting goes on";
}

TEST(Pile, NineteenPendingOperationsTheTwentiethRefused)
{
    Script s;
    for (int group = 0; group < 6; ++group)
        s.Play("1 + 2 * 3 ^ (");
    s.Play("1 +");
    EXPECT_EQ(s.errorFlag, 0);
    EXPECT_EQ(s.pile.level, 19);
    s.Play("2 *");
    EXPECT_EQ(s.errorFlag, 1);
    EXPECT_EQ(s.pile.level, 19);
    EXPECT_EQ(s.pile.Top(), CNombre::FromDouble(2));
    EXPECT_EQ(s.pile.operands[18], CNombre::FromDouble(1));
    EXPECT_TRUE(s.pile.operandReady);
    s.Play("=");
    EXPECT_EQ(s.pile.level, 0);
    EXPECT_EQ(s.pile.openCount, 0);
}

TEST(Pile, CloseWithoutOpenActsAsEquals)
{
    Script s;
    s.Play("4 - 1 * 2 )");
    EXPECT_EQ(s.pile.Top(), CNombre::FromDouble(2));
    EXPECT_EQ(s.pile.level, 0);
    EXPECT_EQ(s.pile.openCount, 0);
    EXPECT_TRUE(s.pile.operandReady);
}

TEST(Pile, EqualsClosesEveryParenthesis)
{
    Script s;
    s.Play("1 + ( 2 * ( 3 + ( 4 =");
    EXPECT_EQ(s.pile.openCount, 0);
    for (int32_t count : s.pile.parenCounts)
        EXPECT_EQ(count, 0);
    EXPECT_EQ(s.pile.Top(), CNombre::FromDouble(15));
}

TEST(Pile, UnknownOperatorCodeIsAnError)
{
    const int codes[] = {-1, 9, 95};
    for (int code : codes) {
        Script s;
        s.Play("2 +");
        s.pile.Apply(code);
        EXPECT_EQ(s.errorFlag, 1) << code;
        EXPECT_EQ(s.pile.level, 1) << code;
    }
}

TEST(Pile, ClearKeepsTheOperandSlots)
{
    Script s;
    s.Play("2 + 3 * ( 4");
    s.pile.Clear();
    EXPECT_EQ(s.pile.level, 0);
    EXPECT_EQ(s.pile.openCount, 0);
    EXPECT_TRUE(s.pile.operandReady);
    for (int32_t count : s.pile.parenCounts)
        EXPECT_EQ(count, 0);
    EXPECT_EQ(s.pile.RecallHier(2), CNombre::FromDouble(3));
    EXPECT_EQ(s.pile.RecallHier(3), CNombre::FromDouble(4));
}

TEST(Pile, ReplaceTopKeepsTheOperandState)
{
    Script s;
    s.Play("1 +");
    s.pile.ReplaceTop(CNombre::MaxPositive);
    EXPECT_EQ(s.pile.Top(), CNombre::MaxPositive);
    EXPECT_EQ(s.pile.operands[0], CNombre::FromDouble(1));
    EXPECT_FALSE(s.pile.operandReady);
    s.Play("=");
    EXPECT_EQ(s.errorFlag, 1) << "still no operand after +";
}

TEST(Pile, HierarchyRegisters)
{
    struct Case { const char* name; int n; double start; char op; double x; double expected; };
    const Case cases[] = {
        {"store", 1, 0, 'S', 5, 5},
        {"add", 2, 4, '+', 1.5, 5.5},
        {"subtract", 3, 4, '-', 6, -2},
        {"multiply", 8, 4, '*', 2.5, 10},
        {"divide", 5, 9, '/', 2, 4.5},
        {"divide by zero ignored", 4, 9, '/', 0, 9},
    };
    for (const Case& c : cases) {
        Script s;
        s.pile.StoreHier(c.n, CNombre::FromDouble(c.start));
        const CNombre x = CNombre::FromDouble(c.x);
        switch (c.op) {
        case 'S': s.pile.StoreHier(c.n, x); break;
        case '+': s.pile.AddHier(c.n, x); break;
        case '-': s.pile.SubtractHier(c.n, x); break;
        case '*': s.pile.MultiplyHier(c.n, x); break;
        default: s.pile.DivideHier(c.n, x); break;
        }
        EXPECT_EQ(s.pile.RecallHier(c.n), CNombre::FromDouble(c.expected)) << c.name;
        EXPECT_EQ(s.pile.operands[c.n - 1], CNombre::FromDouble(c.expected)) << c.name;
        EXPECT_EQ(s.errorFlag, 0) << c.name;
    }
}

TEST(Pile, HierarchyRegistersOutsideOneToEight)
{
    Script s;
    for (int slot = 0; slot < CPile::Size; ++slot)
        s.pile.operands[slot] = CNombre::FromDouble(slot + 1);
    const int outside[] = {0, 9, -1, 20, 1000};
    for (int n : outside) {
        EXPECT_EQ(s.pile.RecallHier(n), CNombre()) << n;
        s.pile.StoreHier(n, CNombre::Pi);
        s.pile.AddHier(n, CNombre::Pi);
        s.pile.SubtractHier(n, CNombre::Pi);
        s.pile.MultiplyHier(n, CNombre::Pi);
        s.pile.DivideHier(n, CNombre::Pi);
    }
    for (int slot = 0; slot < CPile::Size; ++slot)
        EXPECT_EQ(s.pile.operands[slot], CNombre::FromDouble(slot + 1)) << slot;
}

TEST(Pile, TellsAnOpenDebuggerAboutChanges)
{
    RecordingHost listener;
    listener.wantsChangeNotifications = true;
    int errorFlag = 0;
    CPile pile(errorFlag, &listener);
    EXPECT_EQ(listener.notifications, std::vector<std::string>{"hierarchy 0-7"}) << "construction";
    pile.Apply(CPile::Add);
    pile.Clear();
    pile.Reduce(0, true);
    EXPECT_EQ(listener.notifications.size(), 4u);
    pile.StoreHier(3, CNombre::Pi);
    EXPECT_EQ(listener.notifications.size(), 5u);
    EXPECT_EQ(listener.notifications.back(), "hierarchy 2-2");
    pile.DivideHier(3, CNombre());
    EXPECT_EQ(listener.notifications.size(), 5u) << "nothing changed";
    listener.wantsChangeNotifications = false;
    pile.Apply(CPile::Add);
    pile.StoreHier(1, CNombre::Pi);
    EXPECT_EQ(listener.notifications.size(), 5u) << "a closed debugger is not told";
    pile.SetHost(nullptr);
    pile.Apply(CPile::Equals);
    pile.Clear();
}

} // namespace
