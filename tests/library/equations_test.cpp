// Programs 05 to 09: polynomials, quadratic and cubic equations, and the
// programs that call a function written in user memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <functional>

#include "LibraryRun.h"

namespace {

// Coefficients, highest power first, of the product of (x - root).
std::vector<double> FromRoots(const std::vector<double>& roots)
{
    std::vector<double> c = {1};
    for (double r : roots) {
        std::vector<double> next(c.size() + 1, 0);
        for (std::size_t i = 0; i < c.size(); ++i) {
            next[i] += c[i];
            next[i + 1] -= r * c[i];
        }
        c = next;
    }
    return c;
}

std::string EnterPolynomial(const std::vector<double>& c)
{
    std::string keys = "PGM 05 " + std::to_string(c.size() - 1) + " A";
    for (double v : c)
        keys += " " + Keys(v) + " B";
    return keys;
}

TEST(Polynomial, ValueAndDerivativeAgainstTheExpandedProduct)
{
    const std::vector<double> roots = {1, -2, 3.5, 0.5};
    const std::vector<double> c = FromRoots(roots);
    for (double x : {0.0, 2.0, -1.5, 10.0}) {
        double p = 1, dp = 0;
        for (double r : roots) {
            dp = dp * (x - r) + p;
            p *= x - r;
        }
        LibraryRun run(EnterPolynomial(c) + " " + Keys(x) + " C D");
        const std::vector<double> shown = run.stops();
        EXPECT_TRUE(NearDisplay(shown[shown.size() - 2], p, 1e-9)) << "p(" << x << ")";
        EXPECT_TRUE(NearDisplay(shown.back(), dp, 1e-9)) << "p'(" << x << ")";
    }
}

TEST(Polynomial, NewtonFindsTheRootNearestTheGuess)
{
    const std::vector<double> roots = {1, -2, 3.5, 0.5};
    const struct {
        double guess, root;
    } cases[] = {{3.2, 3.5}, {-2.6, -2}, {0.7, 0.5}, {1.3, 1}};
    for (const auto& c : cases) {
        LibraryRun run(EnterPolynomial(FromRoots(roots)) + " " + Keys(c.guess) + " E");
        EXPECT_TRUE(NearDisplay(run.value(), c.root, 1e-9)) << "from " << c.guess;
    }
}

// The roots a program shows, as complex numbers: real part in the display,
// imaginary part in t; X<>T after each stop brings t out.
std::vector<std::complex<double>> ShownRoots(const std::string& coefficients, const char* solve, int count)
{
    std::vector<std::complex<double>> roots;
    for (int k = 0; k < count; ++k) {
        std::string script = "PGM 06 " + coefficients + " " + solve;
        for (int i = 0; i < k; ++i)
            script += " R/S";
        LibraryRun real(script);
        LibraryRun imaginary(script + " X<>T");
        roots.emplace_back(real.value(), imaginary.value());
    }
    return roots;
}

void ExpectSameRoots(std::vector<std::complex<double>> shown, std::vector<std::complex<double>> expected)
{
    auto order = [](std::complex<double> a, std::complex<double> b) {
        return a.real() != b.real() ? a.real() < b.real() : a.imag() < b.imag();
    };
    ASSERT_EQ(shown.size(), expected.size());
    std::sort(shown.begin(), shown.end(), order);
    std::sort(expected.begin(), expected.end(), order);
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_LT(std::abs(shown[i] - expected[i]), 1e-9 * std::max(1.0, std::abs(expected[i])))
            << shown[i] << " for " << expected[i];
}

TEST(QuadraticAndCubic, QuadraticsWithKnownRoots)
{
    using C = std::complex<double>;
    const struct {
        double a, b, c;
        std::vector<C> roots;
    } cases[] = {
        {1, 2, 5, {{-1, 2}, {-1, -2}}},
        {2, -10, 12, {2, 3}},
        {1, 0, 0, {0, 0}},
        {1, -1e5, 1, {1e5 - 1e-5, 1e-5}},       // no cancellation in the small root
        {4, 4, 1, {-0.5, -0.5}},
    };
    for (const auto& c : cases)
        ExpectSameRoots(ShownRoots(Keys(c.a) + " A " + Keys(c.b) + " B " + Keys(c.c) + " C", "E'", 2), c.roots);
}

TEST(QuadraticAndCubic, CubicsWithKnownRoots)
{
    using C = std::complex<double>;
    const struct {
        double a, b, c, d;
        std::vector<C> roots;
    } cases[] = {
        {1, -6, 11, -6, {1, 2, 3}},                              // three real: trigonometric form
        {1, 0, 0, -8, {2, {-1, std::sqrt(3.0)}, {-1, -std::sqrt(3.0)}}},
        {2, -4, 2, -4, {2, {0, 1}, {0, -1}}},                    // 2 (x - 2)(x^2 + 1)
        {1, -3, 3, -1, {1, 1, 1}},                               // a triple root
        {1, 0, -1, 0, {-1, 0, 1}},
        {1, -10000, 1, -10000, {10000, {0, 1}, {0, -1}}},        // one root far from the pair
        {1, -999, -1.19, -998810, {1000, {-0.5, 31.6}, {-0.5, -31.6}}},
        {1, -1001.001, 1001.001, -1, {0.001, 1, 1000}},          // roots spread over six decades
    };
    for (const auto& c : cases)
        ExpectSameRoots(ShownRoots(Keys(c.a) + " A " + Keys(c.b) + " B " + Keys(c.c) + " C " + Keys(c.d) + " D",
                                   "E", 3),
                        c.roots);
}

// User memory holds f under label A'; the library reaches it with Pgm 00.
std::string WithFunction(const std::string& body, const std::string& keys)
{
    return "LRN LBL A' " + body + " RTN LRN " + keys;
}

TEST(FunctionRoot, SecantMethodOnFunctionsInUserMemory)
{
    const struct {
        const char* f;
        double x0, x1, root;
    } cases[] = {
        {"X^2 - 2 =", 1, 2, std::sqrt(2.0)},
        {"STO 20 COS - RCL 20 =", 0, 1, 0.7390851332151607},   // radians set below
        {"INV LNX - 3 =", 0, 2, std::log(3.0)},
        {"Y^X 3 - 2 * RCL 21 - 5 = ", 2, 3, 2.0945514815423265}, // R21 = x, stored first
    };
    for (const auto& c : cases) {
        const std::string body = std::string("STO 21 ") + c.f;
        LibraryRun run(WithFunction(body, "RAD PGM 07 " + Keys(c.x0) + " A " + Keys(c.x1) + " B C"));
        EXPECT_TRUE(NearDisplay(run.value(), c.root, 1e-9)) << c.f;
    }
}

TEST(FunctionRoot, DShowsTheResidualAtTheRoot)
{
    LibraryRun run(WithFunction("X^2 - 2 =", "PGM 07 1 A 2 B C D"));
    EXPECT_LT(std::fabs(run.value()), 1e-10);
}

// Simpson's rule worked out here, and the closed form it approaches.
double SimpsonRule(const std::function<double(double)>& f, double a, double b, int n)
{
    const double h = (b - a) / n;
    double sum = f(a) + f(b);
    for (int i = 1; i < n; ++i)
        sum += (i % 2 ? 4 : 2) * f(a + i * h);
    return sum * h / 3;
}

TEST(Simpson, IntegralsAgainstTheRuleAndTheirClosedForms)
{
    const struct {
        const char* keys;
        std::function<double(double)> f;
        double a, b;
        int n; // as keyed; an odd count is raised to the next even one
        int intervals;
        double exact;
    } cases[] = {
        {"X^2 * RCL 21 =", [](double x) { return x * x * x; }, 0, 2, 2, 2, 4},
        {"SIN", [](double x) { return std::sin(x); }, 0, M_PI, 40, 40, 2},
        {"INV LNX", [](double x) { return std::exp(x); }, 0, 1, 20, 20, M_E - 1},
        {"1/X", [](double x) { return 1 / x; }, 1, 2, 21, 22, M_LN2},
        {"X^2 + 1 = 1/X", [](double x) { return 1 / (x * x + 1); }, 0, 1, 40, 40, M_PI / 4},
    };
    for (const auto& c : cases) {
        const std::string body = std::string("STO 21 ") + c.keys;
        LibraryRun run(WithFunction(body, "RAD PGM 08 " + Keys(c.a) + " A " + (c.b == M_PI ? "PI" : Keys(c.b)) +
                                              " B " + std::to_string(c.n) + " C"));
        EXPECT_TRUE(NearDisplay(run.value(), SimpsonRule(c.f, c.a, c.b, c.intervals), 1e-9)) << c.keys;
        EXPECT_TRUE(NearDisplay(run.value(), c.exact, 1e-6)) << c.keys;
    }
}

// The classical Runge-Kutta steps worked out here.
double RungeKutta4(const std::function<double(double, double)>& f, double x, double y, double h, int n)
{
    for (int i = 0; i < n; ++i, x += h) {
        const double k1 = h * f(x, y);
        const double k2 = h * f(x + h / 2, y + k1 / 2);
        const double k3 = h * f(x + h / 2, y + k2 / 2);
        const double k4 = h * f(x + h, y + k3);
        y += (k1 + 2 * k2 + 2 * k3 + k4) / 6;
    }
    return y;
}

TEST(RungeKutta, FirstOrderEquationsAgainstTheMethodAndTheirSolutions)
{
    const struct {
        const char* keys; // x in the display, y in t
        std::function<double(double, double)> f;
        double x0, y0, h;
        int n;
        double exact;
    } cases[] = {
        {"STO 20 X<>T + RCL 20 =", [](double x, double y) { return x + y; }, 0, 1, 0.1, 10, 2 * M_E - 2},
        {"X<>T", [](double, double y) { return y; }, 0, 1, 0.05, 20, M_E},
        {"STO 20 X<>T * RCL 20 * 2 +/- =", [](double x, double y) { return -2 * x * y; }, 0, 1, 0.1, 20,
         std::exp(-4.0)},
        {"X^2", [](double x, double) { return x * x; }, 1, 0, 0.25, 4, 7.0 / 3},
    };
    for (const auto& c : cases) {
        LibraryRun run(WithFunction(c.keys, "PGM 09 " + Keys(c.x0) + " A " + Keys(c.y0) + " B " + Keys(c.h) +
                                                " C " + std::to_string(c.n) + " D"));
        EXPECT_TRUE(NearDisplay(run.Register(12), RungeKutta4(c.f, c.x0, c.y0, c.h, c.n), 1e-11)) << c.keys;
        EXPECT_TRUE(NearDisplay(run.value(), c.exact, 1e-3)) << c.keys;
        EXPECT_TRUE(NearDisplay(run.Register(11), c.x0 + c.h * c.n, 1e-12));
    }
}

TEST(RungeKutta, DGoesOnFromWhereItStopped)
{
    const std::string f = "STO 20 X<>T + RCL 20 =";
    LibraryRun once(WithFunction(f, "PGM 09 0 A 1 B .1 C 10 D"));
    LibraryRun twice(WithFunction(f, "PGM 09 0 A 1 B .1 C 4 D 6 D"));
    EXPECT_EQ(once.display(), twice.display());
}

} // namespace
