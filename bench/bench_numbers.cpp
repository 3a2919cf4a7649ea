// Cost of the number operations that every key and program step leans on.
#include "numbers/CNombre.h"
#include "numbers/Format.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

namespace {

// Operands of varied magnitude and sign so that no path is favoured.
const std::array<CNombre, 8> Operands = {
    CNombre(1234567890123, 3),   CNombre(-9876543210987, -2), CNombre::Pi,
    CNombre(6666666666666, -1),  CNombre(-1000000000001, 12), CNombre(5000000000000, -40),
    CNombre(9999999999999, 50),  CNombre(3333333333333, 0),
};

template <typename Operation>
void RunBinary(benchmark::State& state, Operation operation)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const CNombre& a = Operands[i & 7];
        const CNombre& b = Operands[(i + 3) & 7];
        CNombre r = operation(a, b);
        benchmark::DoNotOptimize(r);
        ++i;
    }
}

void Addition(benchmark::State& state)
{
    RunBinary(state, [](const CNombre& a, const CNombre& b) { return a + b; });
}

void Multiplication(benchmark::State& state)
{
    RunBinary(state, [](const CNombre& a, const CNombre& b) { return a * b; });
}

void Division(benchmark::State& state)
{
    RunBinary(state, [](const CNombre& a, const CNombre& b) { return a / b; });
}

void SquareRoot(benchmark::State& state)
{
    RunBinary(state, [](const CNombre& a, const CNombre&) { return a.SquareRoot(); });
}

void FormatNumber(benchmark::State& state, int fix, int mode)
{
    std::size_t i = 0;
    for (auto _ : state) {
        FormattedNumber f = Format(Operands[i & 7], fix, mode);
        benchmark::DoNotOptimize(f);
        ++i;
    }
}

} // namespace

BENCHMARK(Addition);
BENCHMARK(Multiplication);
BENCHMARK(Division);
BENCHMARK(SquareRoot);
BENCHMARK_CAPTURE(FormatNumber, floating, NoFix, NormalMode);
BENCHMARK_CAPTURE(FormatNumber, fix2, 2, NormalMode);
BENCHMARK_CAPTURE(FormatNumber, scientific, NoFix, ScientificMode);
BENCHMARK_CAPTURE(FormatNumber, engineering, 3, EngineeringMode);
