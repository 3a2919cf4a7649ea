// Programs 12 to 15: factorials and gamma, primes, number bases, calendar.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <numeric>

#include "LibraryRun.h"

namespace {

double Factorial(int n) { return std::tgamma(n + 1.0); }

TEST(Factorial, WholeNumbersArePreciseProducts)
{
    for (int n : {0, 1, 5, 10, 13, 20, 40, 69}) {
        LibraryRun run("PGM 12 " + std::to_string(n) + " A");
        EXPECT_TRUE(NearDisplay(run.value(), Factorial(n), 1e-9)) << n << "!";
        EXPECT_FALSE(run.error());
    }
    // 13! has 10 digits: every one must be exact.
    EXPECT_EQ(LibraryRun("PGM 12 13 A").display(), "6227020800.");
}

TEST(Factorial, PermutationsAndCombinations)
{
    const struct {
        int n, r;
    } cases[] = {{10, 3}, {52, 5}, {30, 15}, {7, 0}, {7, 7}, {49, 6}, {60, 58}};
    for (const auto& c : cases) {
        const double permutations = Factorial(c.n) / Factorial(c.n - c.r);
        const double combinations = std::round(permutations / Factorial(c.r));
        const std::string pair = std::to_string(c.n) + " X<>T " + std::to_string(c.r);
        EXPECT_TRUE(NearDisplay(LibraryRun("PGM 12 " + pair + " B").value(), permutations, 1e-9)) << pair;
        // Combinations are whole numbers: the display shows them exactly.
        EXPECT_EQ(LibraryRun("PGM 12 " + pair + " C").value(), combinations) << pair;
    }
}

TEST(Gamma, AgainstTheStandardLibrary)
{
    for (double x : {0.5, 1.0, 2.5, 5.0, 9.75, 10.0, 33.3, 0.1, -0.5, -1.5, -4.2, -68.5, -67.3, -42.75}) {
        LibraryRun run("PGM 12 " + Keys(x) + " D");
        EXPECT_TRUE(NearDisplay(run.value(), std::tgamma(x), 1e-10)) << "Gamma(" << x << ")";
    }
    EXPECT_TRUE(NearDisplay(LibraryRun("PGM 12 4.5 A").value(), std::tgamma(5.5), 1e-10));
}

TEST(Gamma, PolesAndOverflowShowTheErrorState)
{
    for (const char* x : {"0", "2 +/-", "171", "75.5 +/-", "71"})
        EXPECT_TRUE(LibraryRun(std::string("PGM 12 ") + x + " D").error()) << x;
}

std::vector<double> FactorsByDivision(long long n)
{
    std::vector<double> factors;
    for (long long d = 2; d * d <= n; ++d)
        for (; n % d == 0; n /= d)
            factors.push_back(static_cast<double>(d));
    if (n > 1)
        factors.push_back(static_cast<double>(n));
    factors.push_back(1); // the end
    return factors;
}

TEST(PrimeFactors, EveryFactorInTurnThenOne)
{
    for (long long n : {360LL, 97LL, 1LL, 1001LL, 65536LL, 999999999989LL / 100, 600851475143LL / 100,
                        2147483647LL, 9999999967LL}) {
        const std::vector<double> expected = FactorsByDivision(n);
        std::string script = "PGM 13 " + std::to_string(n) + " A";
        for (std::size_t i = 1; i < expected.size(); ++i)
            script += " R/S";
        LibraryRun run(script);
        const std::vector<double> shown = run.stops();
        ASSERT_GE(shown.size(), expected.size()) << n;
        EXPECT_EQ(std::vector<double>(shown.end() - static_cast<long>(expected.size()), shown.end()), expected) << n;
    }
}

TEST(PrimeFactors, GcdAndLcm)
{
    const struct {
        long long a, b;
    } cases[] = {{1071, 462}, {4, 6}, {17, 5}, {0, 9}, {123456, 7890}, {1000000007, 2}, {-12, 18}};
    for (const auto& c : cases) {
        const std::string pair = Keys(static_cast<double>(c.a)) + " X<>T " + Keys(static_cast<double>(c.b));
        EXPECT_EQ(LibraryRun("PGM 13 " + pair + " B").value(), static_cast<double>(std::gcd(c.a, c.b))) << pair;
        EXPECT_EQ(LibraryRun("PGM 13 " + pair + " C").value(), static_cast<double>(std::lcm(c.a, c.b))) << pair;
    }
}

// Digits of n in base b, each digit as one decimal digit (b <= 10) or two.
double DigitsInBase(long long n, int base)
{
    const double width = base <= 10 ? 10 : 100;
    double shown = 0, place = 1;
    for (; n > 0; n /= base, place *= width)
        shown += static_cast<double>(n % base) * place;
    return shown;
}

TEST(NumberBases, ToAndFromAGivenBase)
{
    const struct {
        int base;
        long long n;
    } cases[] = {{2, 13}, {2, 1023}, {8, 511}, {16, 255}, {16, 42}, {16, 48879}, {3, 2026}, {60, 86399}, {10, 12345}};
    for (const auto& c : cases) {
        const double digits = DigitsInBase(c.n, c.base);
        const std::string base = std::to_string(c.base) + " A ";
        EXPECT_EQ(LibraryRun("PGM 14 " + base + std::to_string(c.n) + " B").value(), digits)
            << c.n << " in base " << c.base;
        EXPECT_EQ(LibraryRun("PGM 14 " + base + Keys(digits) + " C").value(), static_cast<double>(c.n))
            << digits << " from base " << c.base;
        EXPECT_EQ(LibraryRun("PGM 14 " + base + Keys(static_cast<double>(-c.n)) + " B").value(), -digits)
            << -c.n << " in base " << c.base;
    }
}

std::string DateKeys(std::chrono::year_month_day date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u.%02u%04d", static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(date.year()));
    return text;
}

TEST(Calendar, WeekdaysOfKnownDates)
{
    using namespace std::chrono;
    const year_month_day dates[] = {
        1776y / July / 4, 1900y / January / 1, 1969y / July / 20, 2000y / January / 1,
        2000y / February / 29, 2024y / February / 29, 2026y / December / 8, 1582y / October / 15,
        2100y / March / 1, 9999y / December / 31};
    for (const year_month_day& date : dates) {
        const unsigned weekday = std::chrono::weekday(sys_days(date)).c_encoding(); // 0 is Sunday
        EXPECT_EQ(LibraryRun("PGM 15 " + DateKeys(date) + " A").value(), weekday) << DateKeys(date);
    }
}

TEST(Calendar, DaysBetweenDates)
{
    using namespace std::chrono;
    const std::pair<year_month_day, year_month_day> spans[] = {
        {2000y / January / 1, 2001y / January / 1}, {1900y / February / 1, 1900y / March / 1},
        {2000y / February / 1, 2000y / March / 1},  {1969y / July / 20, 2026y / December / 8},
        {2026y / December / 8, 1776y / July / 4},   {2023y / December / 31, 2024y / January / 1}};
    for (const auto& [from, to] : spans) {
        const double days = static_cast<double>((sys_days(to) - sys_days(from)).count());
        EXPECT_EQ(LibraryRun("PGM 15 " + DateKeys(from) + " A " + DateKeys(to) + " B").value(), days)
            << DateKeys(from) << " to " << DateKeys(to);
    }
}

} // namespace
