// Programs 16 to 18: curve fitting, the normal distribution, random numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "LibraryRun.h"

namespace {

std::string Points(int model, const std::vector<std::pair<double, double>>& points)
{
    std::string keys = "PGM 16 " + std::to_string(model) + " A";
    for (const auto& [x, y] : points)
        keys += " " + Keys(x) + " X<>T " + Keys(y) + " B";
    return keys;
}

// Data lying exactly on the model's curve give back its a and b, r = 1,
// and the curve's value anywhere.
TEST(CurveFitting, EachModelRecoversItsCurve)
{
    const struct {
        int model;
        double a, b;
        std::function<double(double)> curve;
    } cases[] = {
        {1, 1.5, -2, [](double x) { return 1.5 - 2 * x; }},
        {2, 3, 0.5, [](double x) { return 3 * std::exp(0.5 * x); }},
        {3, 5, 2, [](double x) { return 5 + 2 * std::log(x); }},
        {4, 3, 2, [](double x) { return 3 * x * x; }},
    };
    for (const auto& c : cases) {
        std::vector<std::pair<double, double>> points;
        for (double x : {1.0, 2.0, 4.0, 5.0})
            points.emplace_back(x, std::round(c.curve(x) * 1e9) / 1e9);
        const std::string data = Points(c.model, points);
        LibraryRun fit(data + " C");
        EXPECT_TRUE(NearDisplay(fit.value(), c.a, 1e-8)) << "a of model " << c.model;
        EXPECT_TRUE(NearDisplay(LibraryRun::Number(fit.calc().t), c.b, 1e-8)) << "b of model " << c.model;
        EXPECT_TRUE(NearDisplay(LibraryRun(data + " D").value(), c.b < 0 ? -1 : 1, 1e-9)) << "r";
        EXPECT_TRUE(NearDisplay(LibraryRun(data + " 3 E").value(), c.curve(3), 1e-8)) << "y(3)";
    }
}

TEST(CurveFitting, LeastSquaresLineThroughScatteredPoints)
{
    const std::vector<std::pair<double, double>> points = {{1, 2}, {2, 3.9}, {3, 6.2}, {4, 7.8}, {5, 10.1}};
    double sx = 0, sy = 0, sxx = 0, sxy = 0, syy = 0;
    for (const auto& [x, y] : points) {
        sx += x, sy += y, sxx += x * x, sxy += x * y, syy += y * y;
    }
    const double n = static_cast<double>(points.size());
    const double b = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    const double a = (sy - b * sx) / n;
    const double r = (n * sxy - sx * sy) / std::sqrt((n * sxx - sx * sx) * (n * syy - sy * sy));
    LibraryRun fit(Points(1, points) + " C");
    EXPECT_TRUE(NearDisplay(fit.value(), a, 1e-9));
    EXPECT_TRUE(NearDisplay(LibraryRun::Number(fit.calc().t), b, 1e-9));
    EXPECT_TRUE(NearDisplay(LibraryRun(Points(1, points) + " D").value(), r, 1e-9));
}

TEST(CurveFitting, RemovingAPointUndoesIt)
{
    LibraryRun withMistake(Points(1, {{1, 3}, {2, 5}, {9, 9}, {3, 7}}) + " 9 X<>T 9 B' C");
    EXPECT_TRUE(NearDisplay(withMistake.value(), 1, 1e-9));
    EXPECT_TRUE(NearDisplay(LibraryRun::Number(withMistake.calc().t), 2, 1e-9));
    EXPECT_EQ(withMistake.Register(3), 3);
}

double LowerTail(double z) { return 0.5 * std::erfc(-z / std::sqrt(2.0)); }

TEST(NormalDistribution, TailsAndDensityAgainstErfc)
{
    for (double z : {0.0, 0.5, 1.0, 1.96, -1.0, -2.5, 3.0, 4.99, 5.0, -6.0, 7.5}) {
        EXPECT_TRUE(NearDisplay(LibraryRun("PGM 17 " + Keys(z) + " A").value(), LowerTail(z), 1e-10)) << "P " << z;
        EXPECT_TRUE(NearDisplay(LibraryRun("PGM 17 " + Keys(z) + " B").value(), LowerTail(-z), 1e-9)) << "Q " << z;
        EXPECT_TRUE(NearDisplay(LibraryRun("PGM 17 " + Keys(z) + " C").value(),
                                std::exp(-z * z / 2) / std::sqrt(2 * M_PI), 1e-10))
            << "density " << z;
    }
    // Far in the tail the continued fraction keeps the digits.
    EXPECT_TRUE(NearDisplay(LibraryRun("PGM 17 10 B").value(), LowerTail(-10), 1e-9));
}

// The z of a lower tail p, found here by bisection on erfc.
double InverseLowerTail(double p)
{
    double low = -40, high = 40;
    for (int i = 0; i < 200; ++i) {
        const double middle = (low + high) / 2;
        (LowerTail(middle) < p ? low : high) = middle;
    }
    return (low + high) / 2;
}

TEST(NormalDistribution, InverseAgainstBisection)
{
    for (const char* p : {"1 EE 10 +/-", ".001", ".025", ".1", ".5", ".8", ".975", ".999", ".9999999"}) {
        LibraryRun run(std::string("PGM 17 ") + p + " D");
        // R09 holds the smaller tail (1 - p, exact in decimal, when flag 1 says p > 1/2).
        const double smallerTail = InverseLowerTail(run.Register(9));
        const double expected = run.calc().flags[1] ? -smallerTail : smallerTail;
        EXPECT_NEAR(run.value(), expected, 1e-9 * std::max(1.0, std::fabs(expected))) << "p = " << p;
    }
    EXPECT_NEAR(LibraryRun("PGM 17 .975 D").value(), 1.959963985, 1e-9);
}

TEST(NormalDistribution, InverseOutsideZeroToOneFlashes)
{
    for (const char* p : {"0", "1", "1.5", ".2 +/-"})
        EXPECT_TRUE(LibraryRun(std::string("PGM 17 ") + p + " D").error()) << p;
}

TEST(RandomNumbers, TheSameSeedRepeatsTheSequenceAndValuesStayInRange)
{
    const std::string draws = " B B B B B B B B B B";
    LibraryRun first("PGM 18 2026 A" + draws);
    LibraryRun again("PGM 18 2026 A" + draws);
    LibraryRun other("PGM 18 7 A" + draws);
    EXPECT_EQ(first.stops(), again.stops());
    EXPECT_NE(first.stops(), other.stops());
    const std::vector<double> u = first.stops();
    for (std::size_t i = 1; i < u.size(); ++i) {
        EXPECT_GE(u[i], 0);
        EXPECT_LT(u[i], 1);
    }
}

// The generator worked out here: three exact congruential sequences.
TEST(RandomNumbers, FollowsTheWichmannHillSequences)
{
    long long s1 = 1 + 12345 % 30000, s2 = s1 + 1, s3 = s1 + 2;
    std::string script = "PGM 18 12345 A";
    std::vector<double> expected;
    for (int i = 0; i < 5; ++i) {
        s1 = 171 * s1 % 30269, s2 = 172 * s2 % 30307, s3 = 170 * s3 % 30323;
        const double sum = s1 / 30269.0 + s2 / 30307.0 + s3 / 30323.0;
        expected.push_back(sum - std::floor(sum));
        script += " B";
    }
    const std::vector<double> shown = LibraryRun(script).stops();
    ASSERT_EQ(shown.size(), 6u);
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(shown[static_cast<std::size_t>(i) + 1], expected[static_cast<std::size_t>(i)], 2e-9);
}

TEST(RandomNumbers, WholeNumbersAndNormalNumbersHaveTheirShape)
{
    std::string script = "PGM 18 99 A";
    for (int i = 0; i < 60; ++i)
        script += " 6 C";
    std::vector<double> throws = LibraryRun(script).stops();
    throws.erase(throws.begin()); // what A shows
    for (double v : throws) {
        EXPECT_EQ(v, std::floor(v));
        EXPECT_GE(v, 1);
        EXPECT_LE(v, 6);
    }
    // 200 normal numbers with mean 10 and deviation 2: their mean and spread.
    std::string normal = "PGM 18 5 A 10 A' 2 B'";
    for (int i = 0; i < 200; ++i)
        normal += " D";
    std::vector<double> z = LibraryRun(normal).stops();
    z.erase(z.begin(), z.begin() + 3);
    ASSERT_EQ(z.size(), 200u);
    double sum = 0, squares = 0;
    for (double v : z)
        sum += v, squares += v * v;
    const double mean = sum / 200, spread = std::sqrt(squares / 200 - mean * mean);
    EXPECT_NEAR(mean, 10, 0.5);
    EXPECT_NEAR(spread, 2, 0.4);
}

} // namespace
