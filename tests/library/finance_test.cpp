// Programs 19 and 20: time value of money and the amortization schedule.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "LibraryRun.h"

namespace {

struct Money {
    double n, rate, pv, pmt, fv; // rate in percent a period
};

// PV (1+i)^N + PMT ((1+i)^N - 1)/i + FV, zero when the five agree.
double Balance(const Money& m)
{
    const double i = m.rate / 100, g = std::pow(1 + i, m.n);
    return m.pv * g + m.pmt * (i == 0 ? m.n : (g - 1) / i) + m.fv;
}

std::string Stored(const Money& m)
{
    return "PGM 19 " + Keys(m.n) + " A " + Keys(m.rate) + " B " + Keys(m.pv) + " C " + Keys(m.pmt) + " D " +
           Keys(m.fv) + " E";
}

TEST(TimeValueOfMoney, EachUnknownMakesTheCashFlowsBalance)
{
    const Money cases[] = {
        {360, 0.5, 100000, -599.55, 0},     // a mortgage
        {10, 5, -1000, 0, 1628.89},         // a deposit growing
        {48, 0.75, 20000, -497.70, 0},      // a car loan
        {12, 1, 0, -100, 1268.25},          // a savings plan
        {20, 0, 500, -20, -100},            // no interest at all
    };
    const struct {
        const char* key;
        double Money::*field;
    } unknowns[] = {{"A'", &Money::n}, {"B'", &Money::rate}, {"C'", &Money::pv}, {"D'", &Money::pmt},
                    {"E'", &Money::fv}};
    for (const Money& m : cases)
        for (const auto& u : unknowns) {
            if (u.field == &Money::rate && m.rate == 0)
                continue; // the rate search starts from 5 % and 6 %
            if (u.field == &Money::n && m.pmt == 0 && m.rate == 0)
                continue;
            LibraryRun run(Stored(m) + " " + u.key);
            Money solved = m;
            solved.*u.field = run.value();
            const double scale = std::fabs(m.pv) + std::fabs(m.pmt) * m.n + std::fabs(m.fv);
            EXPECT_LT(std::fabs(Balance(solved)), 1e-9 * scale) << u.key << " gives " << run.value();
        }
}

TEST(TimeValueOfMoney, KnownPaymentAndRate)
{
    // 100000 over 360 months at 0.5 %: PMT = PV i / (1 - (1 + i)^-N).
    const double payment = -100000 * 0.005 / (1 - std::pow(1.005, -360));
    EXPECT_TRUE(NearDisplay(LibraryRun("PGM 19 360 A .5 B 100000 C 0 E D'").value(), payment, 1e-10));
    EXPECT_TRUE(NearDisplay(LibraryRun("PGM 19 360 A 100000 C " + Keys(payment) + " D 0 E B'").value(), 0.5, 1e-8));
}

// I solved in long double by bisection, with the annuity factor from
// log1p and expm1, so that small rates are exact here.
double RateFor(const Money& m)
{
    auto balance = [&m](long double rate) {
        const long double i = rate / 100, y = m.n * std::log1p(i);
        const long double factor = i == 0 ? m.n : std::expm1(y) / i;
        return m.pv * std::exp(y) + m.pmt * factor + m.fv;
    };
    long double low = -1, high = 1; // percent; a loan's balance rises with the rate
    for (int k = 0; k < 200; ++k) {
        const long double middle = (low + high) / 2;
        (balance(middle) > 0 ? high : low) = middle;
    }
    return static_cast<double>((low + high) / 2);
}

TEST(TimeValueOfMoney, RatesAtAndNearZeroKeepTheirDigits)
{
    const Money cases[] = {
        {10, 0, 1000, -100, 0},            // exactly no interest
        {10, 0, 1000, -100.05501, 0},      // about 0.01 %
        {10, 0, 1000, -100.0055001, 0},    // about 0.001 %
        {10, 0, 1000, -99.99, 0},          // a little below 0 %
        {120, 0, 50000, -416.67, 0},       // about 0.00013 %
    };
    for (const Money& m : cases) {
        LibraryRun run(Stored(m) + " B'");
        const double rate = RateFor(m);
        EXPECT_FALSE(run.error()) << m.pmt;
        if (m.pv + m.n * m.pmt == 0)
            EXPECT_EQ(run.value(), 0) << m.pmt;
        else // 13-digit terms of 1000 that nearly cancel fix the rate to about 1e-11 %
            EXPECT_NEAR(run.value(), rate, 1e-10) << m.pmt;
    }
}

TEST(TimeValueOfMoney, NoNumberOfPeriodsFlashes)
{
    // Paying in and drawing out the same: no N makes 1000 grow into -2000.
    EXPECT_TRUE(LibraryRun("PGM 19 5 B 1000 C 0 D 2000 E A'").error());
}

struct Period {
    double interest, principal, balance;
};

// The schedule worked out here with the unrounded payment.
std::vector<Period> Schedule(double pv, double rate, int n, double& payment)
{
    const double i = rate / 100;
    payment = pv * i / (1 - std::pow(1 + i, -n));
    std::vector<Period> periods;
    double balance = pv;
    for (int k = 0; k < n; ++k) {
        const double interest = balance * i;
        balance -= payment - interest;
        periods.push_back({interest, payment - interest, balance});
    }
    return periods;
}

std::string Line(double value, const char* label)
{
    char text[32];
    std::snprintf(text, sizeof text, "%12.2f    %4s", std::fabs(value) < 0.005 ? 0.0 : value, label);
    return text;
}

TEST(Amortization, PrintsEveryPeriodAndTheTotals)
{
    const struct {
        double pv, rate;
        int n;
    } loans[] = {{1000, 1, 3}, {25000, 0.6, 24}, {150000, 0.4, 12}};
    for (const auto& loan : loans) {
        double payment = 0;
        const std::vector<Period> periods = Schedule(loan.pv, loan.rate, loan.n, payment);
        LibraryRun run("PGM 20 " + Keys(loan.pv) + " A " + Keys(loan.rate) + " B " + std::to_string(loan.n) + " C E");
        std::vector<std::string> expected;
        double totalInterest = 0;
        for (int k = 0; k < loan.n; ++k) {
            const Period& p = periods[static_cast<std::size_t>(k)];
            totalInterest += p.interest;
            expected.push_back(Line(k + 1, " PER"));
            expected.push_back(Line(p.interest, " INT"));
            expected.push_back(Line(p.principal, " PRN"));
            expected.push_back(Line(p.balance, " BAL"));
            expected.push_back("");
        }
        expected.push_back(Line(totalInterest, "TINT"));
        expected.push_back(Line(payment * loan.n, "TPMT"));
        std::vector<std::string> printed = run.lines();
        ASSERT_FALSE(printed.empty());
        printed.pop_back(); // the display where the run stopped
        for (std::string& line : printed)
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
        for (std::string& line : expected)
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
        // The stops of A, B and C come first.
        ASSERT_GE(printed.size(), expected.size());
        EXPECT_EQ(std::vector<std::string>(printed.end() - static_cast<long>(expected.size()), printed.end()),
                  expected)
            << loan.pv;
        // The total interest is what was paid beyond the loan.
        EXPECT_TRUE(NearDisplay(run.value(), payment * loan.n - loan.pv, 1e-9));
    }
}

} // namespace
