// Programs 10 and 11: complex arithmetic and functions against std::complex.
#include <gtest/gtest.h>

#include <complex>
#include <functional>

#include "LibraryRun.h"

namespace {

using Complex = std::complex<double>;

std::string Typed(Complex z) { return Keys(z.real()) + " X<>T " + Keys(z.imag()); }

// The result a key leaves: real part in the display, imaginary part in t.
Complex Result(const std::string& script)
{
    LibraryRun run(script + " X<>T");
    return {LibraryRun::Number(run.calc().t), LibraryRun::Number(run.calc().x)};
}

void ExpectNear(Complex actual, Complex expected, const std::string& what)
{
    EXPECT_LT(std::abs(actual - expected), 1e-10 * std::max(1.0, std::abs(expected)))
        << what << ": " << actual << " for " << expected;
}

TEST(ComplexArithmetic, TheFourOperationsOnATableOfPairs)
{
    const std::pair<Complex, Complex> pairs[] = {
        {{3, 4}, {1, 2}}, {{-2.5, 0}, {0, 1}}, {{0, -1}, {4, -3}}, {{1e3, 7}, {-0.25, 0.5}}};
    const struct {
        const char* key;
        std::function<Complex(Complex, Complex)> op;
    } ops[] = {
        {"B", std::plus<Complex>()}, {"C", std::minus<Complex>()},
        {"D", std::multiplies<Complex>()}, {"E", std::divides<Complex>()}};
    for (const auto& [z, w] : pairs)
        for (const auto& op : ops)
            ExpectNear(Result("PGM 10 " + Typed(z) + " A " + Typed(w) + " " + op.key), op.op(z, w), op.key);
}

TEST(ComplexArithmetic, ResultsChainAndXtTurnsOneIntoTheNextInput)
{
    const Complex product = Complex(2, 1) * Complex(1, 2);
    ExpectNear(Result("PGM 10 2 X<>T 1 A 1 X<>T 2 D 3 X<>T 1 +/- E"), product / Complex(3, -1), "chain");
    ExpectNear(Result("PGM 10 2 X<>T 1 A 1 X<>T 2 D X<>T A"), product, "result typed back as w");
}

TEST(ComplexArithmetic, PolarFormReciprocalAndRecall)
{
    const Complex z(3, -4);
    LibraryRun polar("PGM 10 " + Typed(z) + " A A'");
    EXPECT_TRUE(NearDisplay(polar.value(), std::abs(z)));
    ExpectNear(Result("PGM 10 " + Typed(z) + " A B'"), 1.0 / z, "1/z");
    ExpectNear(Result("PGM 10 2 X<>T 30 C'"), std::polar(2.0, M_PI / 6), "from polar (degrees)");
    ExpectNear(Result("PGM 10 " + Typed(z) + " A 5 X<>T 5 B D'"), z + Complex(5, 5), "recall");
}

TEST(ComplexFunctions, AgainstTheStandardLibrary)
{
    const Complex points[] = {{1, 1}, {-3, -4}, {0.5, -2}, {-1, 0}, {2, 0.25}};
    const struct {
        const char* key;
        std::function<Complex(Complex)> f;
    } functions[] = {
        {"A", [](Complex z) { return std::exp(z); }},  {"B", [](Complex z) { return std::log(z); }},
        {"C", [](Complex z) { return std::sqrt(z); }}, {"D", [](Complex z) { return std::sin(z); }},
        {"E", [](Complex z) { return std::cos(z); }},  {"A'", [](Complex z) { return std::tan(z); }},
        {"2.5 C' B'", [](Complex z) { return std::pow(z, 2.5); }},
    };
    for (const Complex& z : points)
        for (const auto& f : functions) {
            const std::string script = std::string("PGM 11 ") + (std::string(f.key).size() > 2 ? "2.5 C' " : "") +
                                       Typed(z) + " " + (std::string(f.key).size() > 2 ? "B'" : f.key);
            const Complex expected = f.f(z);
            const Complex actual = Result(script);
            EXPECT_LT(std::abs(actual - expected), 1e-9 * std::max(1.0, std::abs(expected)))
                << f.key << " of " << z << ": " << actual << " for " << expected;
        }
}

TEST(ComplexFunctions, PrincipalBranchOfLogAndRoot)
{
    // Third quadrant: the argument lies in (-pi, -pi/2), not beyond pi.
    ExpectNear(Result("PGM 11 1 +/- X<>T 1 +/- B"), std::log(Complex(-1, -1)), "ln");
    const Complex root = Result("PGM 11 1 +/- X<>T 1 +/- C");
    EXPECT_GT(root.real(), 0);
}

} // namespace
