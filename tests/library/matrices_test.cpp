// Programs 02 to 04: determinant, linear system, matrix inverse.
#include <gtest/gtest.h>

#include <cmath>

#include "LibraryRun.h"

namespace {

using Matrix = std::vector<std::vector<double>>;

std::string EnterRows(const Matrix& rows)
{
    std::string keys = std::to_string(rows.size()) + " A";
    for (const auto& row : rows)
        for (double v : row)
            keys += " " + Keys(v) + " B";
    return keys;
}

// det of the Vandermonde matrix of x1..xn is the product of (xj - xi), i < j.
TEST(Determinant, VandermondeMatricesOfEverySize)
{
    const std::vector<double> xs = {2, -1, 3, 0.5, -2, 4, 1.5, -3, 5};
    for (std::size_t n = 1; n <= 9; ++n) {
        Matrix rows(n, std::vector<double>(n));
        double expected = 1;
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = 0; j < n; ++j)
                rows[i][j] = std::pow(xs[i], static_cast<double>(j));
            for (std::size_t k = i + 1; k < n; ++k)
                expected *= xs[k] - xs[i];
        }
        LibraryRun run("PGM 02 " + EnterRows(rows) + " C");
        EXPECT_TRUE(NearDisplay(run.value(), expected, 1e-8)) << "n = " << n;
    }
}

TEST(Determinant, TableOfSmallMatrices)
{
    const struct {
        Matrix rows;
        double det;
    } cases[] = {
        {{{2, 1, 3}, {0, -1, 4}, {5, 2, 1}}, 17},
        {{{0, 1}, {1, 0}}, -1},                  // needs a row swap at once
        {{{1, 2}, {2, 4}}, 0},                   // singular: 0, not an error
        {{{0, 0}, {3, 4}}, 0},                   // a zero column
        {{{7}}, 7},
        {{{1, 2, 3}, {4, 5, 6}, {7, 8, 10}}, -3},
        {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, 0},  // singular but for the last digits
        {{{1, 1}, {1, 1.000000001}}, 1e-9},      // nearly singular is not singular
    };
    for (const auto& c : cases) {
        LibraryRun run("PGM 02 " + EnterRows(c.rows) + " C");
        EXPECT_TRUE(NearDisplay(run.value(), c.det, 1e-9)) << run.display();
        EXPECT_FALSE(run.error());
    }
}

// b = A x for a chosen x; the program must give x back.
TEST(LinearSystem, SolvesForAKnownSolution)
{
    const struct {
        Matrix a;
        std::vector<double> x;
    } cases[] = {
        {{{2, 1, 3}, {0, -1, 4}, {5, 2, 1}}, {1, -2, 3}},
        {{{0, 2}, {3, 1}}, {4, -5}},
        {{{1e-3, 1}, {1, 1}}, {1, 2}},           // pivoting keeps the digits
        {{{4, -2, 1, 3, 0, 1}, {-2, 5, 0, 1, 2, 0}, {1, 0, 6, -1, 1, 2},
          {3, 1, -1, 7, 0, -2}, {0, 2, 1, 0, 3, 1}, {1, 0, 2, -2, 1, 8}},
         {1, 2, 3, -1, -2, 0.5}},
    };
    for (const auto& c : cases) {
        const std::size_t n = c.x.size();
        Matrix augmented = c.a;
        for (std::size_t i = 0; i < n; ++i) {
            double b = 0;
            for (std::size_t j = 0; j < n; ++j)
                b += c.a[i][j] * c.x[j];
            augmented[i].push_back(b);
        }
        std::string script = "PGM 03 " + EnterRows(augmented) + " C";
        for (std::size_t i = 2; i <= n; ++i)
            script += " " + std::to_string(i) + " D";
        LibraryRun run(script);
        const std::vector<double> shown = run.stops();
        ASSERT_GE(shown.size(), n);
        for (std::size_t i = 0; i < n; ++i)
            EXPECT_TRUE(NearDisplay(shown[shown.size() - n + i], c.x[i], 1e-9)) << "x" << i + 1;
    }
}

TEST(LinearSystem, SolvingTwiceKeepsTheSolution)
{
    // x + y = 3, x - y = 1: C again must not solve the solved system anew.
    const std::string system = "PGM 03 2 A 1 B 1 B 3 B 1 B 1 +/- B 1 B";
    EXPECT_EQ(LibraryRun(system + " C C 2 D").display(), "1.");
    EXPECT_EQ(LibraryRun(system + " C C").display(), "2.");
    // A starts afresh: a new system is solved again.
    EXPECT_EQ(LibraryRun(system + " C 2 A 1 B 0 B 5 B 0 B 1 B 7 B C 2 D").display(), "7.");
}

// C again, or an n refused by A, leaves what was entered and solved.
TEST(Matrices, ARepeatedCOrARefusedSizeKeepsTheMatrix)
{
    const double a = 1, b = 2, c = 3, d = 4, e = 5, f = 6; // a x + b y = e, c x + d y = f
    const double det = a * d - b * c;
    const std::string matrix = "2 A 1 B 2 B 3 B 4 B", system = "2 A 1 B 2 B 5 B 3 B 4 B 6 B";
    const struct {
        std::string script;
        double shown;
    } cases[] = {
        {"PGM 02 3 A 2 B 1 B 3 B 0 B 1 +/- B 4 B 5 B 2 B 1 B C C", 2 * (-1 - 8) - 1 * (0 - 20) + 3 * (0 + 5)},
        {"PGM 02 " + matrix + " 10 A CLR C", det},
        {"PGM 02 " + matrix + " C 0 A CLR C", det},
        {"PGM 03 " + system + " 10 A CLR C", (e * d - b * f) / det},
        {"PGM 03 " + system + " C 10 A CLR 2 D", (a * f - e * c) / det},
        {"PGM 04 " + matrix + " C 7 A CLR 1 X<>T 2 D", -b / det},
    };
    for (const auto& k : cases) {
        LibraryRun run(k.script);
        EXPECT_TRUE(NearDisplay(run.value(), k.shown, 1e-11)) << k.script << " shows " << run.display();
        EXPECT_FALSE(run.error()) << k.script;
    }
}

TEST(LinearSystem, SingularSystemFlashes)
{
    LibraryRun run("PGM 03 2 A 1 B 2 B 3 B 2 B 4 B 6 B C");
    EXPECT_TRUE(run.error());
    EXPECT_TRUE(run.calc().flags[1]);
}

// A times the inverse the program shows must be the identity.
TEST(MatrixInverse, TimesTheMatrixGivesTheIdentity)
{
    const Matrix cases[] = {
        {{4, 7}, {2, 6}},
        {{0, 1, 2}, {1, 0, 3}, {4, -3, 8}},
        {{2, -1, 0, 0, 0, 1}, {-1, 2, -1, 0, 0, 0}, {0, -1, 2, -1, 0, 0},
         {0, 0, -1, 2, -1, 0}, {0, 0, 0, -1, 2, -1}, {1, 0, 0, 0, -1, 3}},
    };
    for (const Matrix& a : cases) {
        const std::size_t n = a.size();
        std::string script = "PGM 04 " + EnterRows(a) + " C";
        for (std::size_t i = 1; i <= n; ++i)
            for (std::size_t j = 1; j <= n; ++j)
                script += " " + std::to_string(i) + " X<>T " + std::to_string(j) + " D";
        LibraryRun run(script);
        const std::vector<double> shown = run.stops();
        ASSERT_GE(shown.size(), n * n);
        const double* inverse = shown.data() + shown.size() - n * n;
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t k = 0; k < n; ++k) {
                double sum = 0;
                for (std::size_t j = 0; j < n; ++j)
                    sum += a[i][j] * inverse[j * n + k];
                EXPECT_NEAR(sum, i == k ? 1.0 : 0.0, 1e-8) << "row " << i << " column " << k;
            }
    }
}

TEST(MatrixInverse, InvertingTwiceKeepsTheInverse)
{
    EXPECT_EQ(LibraryRun("PGM 04 2 A 4 B 7 B 2 B 6 B C C 1 X<>T 2 D").display(), "-0.7");
}

TEST(MatrixInverse, ShowsTheDeterminantAndFlashesWhenSingular)
{
    EXPECT_TRUE(NearDisplay(LibraryRun("PGM 04 2 A 4 B 7 B 2 B 6 B C").value(), 10));
    EXPECT_TRUE(LibraryRun("PGM 04 2 A 1 B 2 B 2 B 4 B C").error());
}

} // namespace
