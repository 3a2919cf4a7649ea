// Programs 21 to 25: vectors, triangles, hyperbolic functions, units and
// plane coordinates.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>

#include "LibraryRun.h"

namespace {

using Vector = std::array<double, 3>;

std::string EnterVectors(const Vector& u, const Vector& v)
{
    return "PGM 21 " + Keys(u[0]) + " A " + Keys(u[1]) + " R/S " + Keys(u[2]) + " R/S " + Keys(v[0]) + " B " +
           Keys(v[1]) + " R/S " + Keys(v[2]) + " R/S";
}

TEST(Vectors, ProductsLengthsAndAngleAgainstTheirDefinitions)
{
    const std::pair<Vector, Vector> cases[] = {
        {{1, 2, 3}, {4, 5, 6}}, {{1, 0, 0}, {0, 1, 0}}, {{2, -1, 0.5}, {-4, 2, -1}}, {{3, 3, 3}, {1, 1, 1.000001}}};
    for (const auto& [u, v] : cases) {
        const std::string data = EnterVectors(u, v);
        const double dot = u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
        const Vector cross = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
        const double crossLength = std::hypot(cross[0], cross[1], cross[2]);
        EXPECT_TRUE(NearDisplay(LibraryRun(data + " C").value(), dot, 1e-11));
        const std::vector<double> shown = LibraryRun(data + " D R/S R/S").stops();
        ASSERT_GE(shown.size(), 3u);
        for (std::size_t k = 0; k < 3; ++k)
            EXPECT_NEAR(shown[shown.size() - 3 + k], cross[k], 1e-9 * std::max(1.0, std::fabs(cross[k])));
        const double angle = std::atan2(crossLength, dot) * 180 / M_PI;
        EXPECT_NEAR(LibraryRun(data + " E").value(), angle, 1e-9 * std::max(1.0, angle));
        EXPECT_TRUE(NearDisplay(LibraryRun(data + " A'").value(), std::hypot(u[0], u[1], u[2]), 1e-11));
        EXPECT_TRUE(NearDisplay(LibraryRun(data + " B'").value(), std::hypot(v[0], v[1], v[2]), 1e-11));
    }
}

// a, b, c, A, B, C, area, as the program shows them one after another.
std::vector<double> Triangle(const std::string& keys)
{
    const std::vector<double> shown = LibraryRun("PGM 22 " + keys + " R/S R/S R/S R/S R/S R/S").stops();
    return {shown.end() - 7, shown.end()};
}

void ExpectTriangle(const std::vector<double>& t, double a, double b, double c, const std::string& what)
{
    const double pi = 180;
    const double A = std::acos((b * b + c * c - a * a) / (2 * b * c)) * pi / M_PI;
    const double B = std::acos((a * a + c * c - b * b) / (2 * a * c)) * pi / M_PI;
    const double s = (a + b + c) / 2;
    const double expected[] = {a, b, c, A, B, pi - A - B, std::sqrt(s * (s - a) * (s - b) * (s - c))};
    ASSERT_EQ(t.size(), 7u);
    for (std::size_t k = 0; k < 7; ++k)
        EXPECT_NEAR(t[k], expected[k], 1e-8 * std::max(1.0, expected[k])) << what << " value " << k;
}

TEST(Triangles, EveryCaseAgainstTheSidesItImplies)
{
    // The 3-4-5 triangle and a scalene one, entered in each of the four ways.
    const double sides[][3] = {{3, 4, 5}, {7, 5, 8}};
    for (const auto& [a, b, c] : sides) {
        const double A = std::acos((b * b + c * c - a * a) / (2 * b * c)) * 180 / M_PI;
        const double B = std::acos((a * a + c * c - b * b) / (2 * a * c)) * 180 / M_PI;
        const double C = 180 - A - B;
        ExpectTriangle(Triangle(Keys(a) + " A " + Keys(b) + " R/S " + Keys(c) + " R/S"), a, b, c, "SSS");
        ExpectTriangle(Triangle(Keys(a) + " B " + Keys(C) + " R/S " + Keys(b) + " R/S"), a, b, c, "SAS");
        ExpectTriangle(Triangle(Keys(A) + " C " + Keys(c) + " R/S " + Keys(B) + " R/S"), a, b, c, "ASA");
        if (a >= b) // the angle opposite the longer given side fixes one triangle
            ExpectTriangle(Triangle(Keys(a) + " D " + Keys(b) + " R/S " + Keys(A) + " R/S"), a, b, c, "SSA");
    }
}

TEST(Triangles, AmbiguousCaseGivesBothTrianglesAndNoThird)
{
    // a = 6, b = 10, A = 30 degrees: c solves c^2 - 2bc cos A + b^2 - a^2 = 0.
    const double a = 6, b = 10, cosA = std::cos(M_PI / 6);
    const double root = std::sqrt(b * b * cosA * cosA - (b * b - a * a));
    const double first = b * cosA + root, second = b * cosA - root;
    ExpectTriangle(Triangle("6 D 10 R/S 30 R/S"), a, b, first, "first");
    ExpectTriangle(Triangle("6 D 10 R/S 30 R/S E'"), a, b, second, "second");
    // With a >= b there is only one: E' flashes.
    EXPECT_TRUE(LibraryRun("PGM 22 10 D 6 R/S 30 R/S R/S R/S R/S R/S R/S R/S E'").error());
}

TEST(Triangles, RightTriangleFromTwoSidesAndAnAngleKeepsItsDigits)
{
    // b sin A = a: B is a right angle and c = b cos A.
    const long double c = 10 * std::cos(std::acos(-1.0L) / 6);
    ExpectTriangle(Triangle("5 D 10 R/S 30 R/S"), 5, 10, static_cast<double>(c), "right");
}

TEST(Triangles, DataThatMakeNoTriangleFlash)
{
    const char* cases[] = {
        "2 D 10 R/S 30 R/S",   // b sin A > a
        "1 A 1 R/S 5 R/S",     // one side longer than the other two
        "100 C 1 R/S 90 R/S",  // two angles of half a turn
        "2 D 10 R/S 30 R/S E'",
        "6 D 10 R/S 120 R/S",  // an obtuse A opposite the shorter side
        "3 B 200 R/S 4 R/S",   // an angle past half a turn
        "3 +/- A 4 R/S 5 R/S", // a negative side
        "1 A 2 R/S 3 R/S",     // a flat triangle
        "5 D 10 R/S 30 R/S E'", // a right triangle has no second
    };
    for (const char* keys : cases) {
        LibraryRun run(std::string("PGM 22 ") + keys);
        EXPECT_TRUE(run.error()) << keys;
        EXPECT_EQ(run.display(), "9.9999999 99") << keys;
    }
}

TEST(Triangles, AngleUnitsAreTheCalculators)
{
    const std::vector<double> t = Triangle("RAD 3 A 4 R/S 5 R/S");
    EXPECT_NEAR(t[5], M_PI / 2, 1e-9);
    EXPECT_NEAR(LibraryRun("GRAD PGM 22 3 A 4 R/S 5 R/S R/S R/S R/S R/S R/S").value(), 100, 1e-8);
}

TEST(Hyperbolic, FunctionsAndInversesAgainstTheStandardLibrary)
{
    const struct {
        const char* key;
        std::function<double(double)> f;
        std::vector<double> xs;
    } cases[] = {
        {"A", [](double x) { return std::sinh(x); }, {1, -3, 1e-6, 0.3, 0, 50, 230, -230}},
        {"B", [](double x) { return std::cosh(x); }, {1, -3, 1e-6, 0.3, 0, 50, 230}},
        {"C", [](double x) { return std::tanh(x); }, {1, -3, 1e-6, 0.3, 0, 25, -200}},
        {"A'", [](double x) { return std::asinh(x); }, {1, -3, 1e-6, 0.3, 0, 1e5, 1e51, 1e99}},
        {"B'", [](double x) { return std::acosh(x); }, {1, 1.5, 10, 1e6, 1e51, 1e99}},
        {"C'", [](double x) { return std::atanh(x); }, {0.5, -0.9, 1e-6, 0.3, 0, 0.999}},
    };
    for (const auto& c : cases)
        for (double x : c.xs) {
            LibraryRun run("PGM 23 " + Keys(x) + " " + c.key);
            EXPECT_TRUE(NearDisplay(run.value(), c.f(x), 1e-10)) << c.key << "(" << x << ")";
            EXPECT_FALSE(run.error()) << c.key << "(" << x << ")";
        }
}

TEST(Hyperbolic, OutsideTheDomainsIsTheErrorState)
{
    // sinh and cosh past 230.95 leave the display's range.
    for (const char* keys : {".5 B'", "1 C'", "2 +/- C'", "0 B'", "232 A", "232 +/- A", "232 B"})
        EXPECT_TRUE(LibraryRun(std::string("PGM 23 ") + keys).error()) << keys;
}

TEST(UnitConversions, ExactFactorsBothWays)
{
    const struct {
        const char* forward;
        const char* back;
        double from, to;
    } cases[] = {{"A", "A'", 12, 30.48},        {"B", "B'", 5280, 1609.344}, {"C", "C'", 26.2, 42.1648128},
                 {"D", "D'", 2.5, 1.133980925}, {"E", "E'", -40, -40},       {"E", "E'", 98.6, 37}};
    for (const auto& c : cases) {
        EXPECT_TRUE(NearDisplay(LibraryRun("PGM 24 " + Keys(c.from) + " " + c.forward).value(), c.to, 1e-11))
            << c.forward << " " << c.from;
        EXPECT_TRUE(NearDisplay(LibraryRun("PGM 24 " + Keys(c.to) + " " + c.back).value(), c.from, 1e-11))
            << c.back << " " << c.to;
    }
}

TEST(PlaneCoordinates, OldToNewToOldAndPolar)
{
    const struct {
        double h, k, w, x, y;
    } cases[] = {{1, 2, 90, 3, 2}, {-3, 0.5, 30, 4, -1}, {0, 0, -45, 1, 1}, {10, 10, 200, -5, 7}};
    for (const auto& c : cases) {
        const std::string system = "PGM 25 " + Keys(c.h) + " X<>T " + Keys(c.k) + " A " + Keys(c.w) + " B ";
        const double w = c.w * M_PI / 180, u = c.x - c.h, v = c.y - c.k;
        const double newX = u * std::cos(w) + v * std::sin(w), newY = -u * std::sin(w) + v * std::cos(w);
        LibraryRun toNew(system + Keys(c.x) + " X<>T " + Keys(c.y) + " C");
        EXPECT_NEAR(toNew.value(), newY, 1e-9 * std::max(1.0, std::fabs(newY)));
        EXPECT_NEAR(LibraryRun::Number(toNew.calc().t), newX, 1e-9 * std::max(1.0, std::fabs(newX)));
        LibraryRun back(system + Keys(newX) + " X<>T " + Keys(newY) + " D");
        EXPECT_NEAR(back.value(), c.y, 1e-8 * std::max(1.0, std::fabs(c.y)));
        EXPECT_NEAR(LibraryRun::Number(back.calc().t), c.x, 1e-8 * std::max(1.0, std::fabs(c.x)));
        LibraryRun polar(system + Keys(c.x) + " X<>T " + Keys(c.y) + " E");
        EXPECT_NEAR(LibraryRun::Number(polar.calc().t), std::hypot(u, v), 1e-9 * std::max(1.0, std::hypot(u, v)));
        EXPECT_NEAR(polar.value(), std::atan2(newY, newX) * 180 / M_PI, 1e-8);
    }
}

} // namespace
