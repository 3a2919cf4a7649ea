// Program steps per second of StepProgram on two loops run from user memory.
#include <benchmark/benchmark.h>

#include "core/CCalc.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace {

void Load(CCalc& calc, std::initializer_list<int> steps)
{
    std::vector<uint8_t> codes;
    for (int code : steps)
        codes.push_back(static_cast<uint8_t>(code));
    calc.WriteUserProgram(codes);
}

// Presses A with R01 = count and steps until the program stops.
void RunLoop(benchmark::State& state, std::initializer_list<int> program, int64_t count)
{
    CCalc calc;
    Load(calc, program);
    int64_t steps = 0;
    for (auto _ : state) {
        calc.registers[1] = CNombre(count, 12);
        calc.ProcessKey(Key::UserA);
        steps += static_cast<int64_t>(calc.RunSteps(UINT64_MAX).steps);
        calc.ProcessKey(Key::Rst);
    }
    benchmark::DoNotOptimize(calc.registers[0]);
    state.counters["steps/s"] = benchmark::Counter(static_cast<double>(steps),
                                                   benchmark::Counter::kIsRate);
}

// LBL A 1 SUM 00 DSZ 1 A R/S
void CountingLoop(benchmark::State& state)
{
    RunLoop(state, {76, 11, 1, 44, 0, 97, 1, 11, 91}, 1'000'000);
}
BENCHMARK(CountingLoop)->Unit(benchmark::kMillisecond);

// LBL A ( RCL 02 x 3 / 7 ) y^x 2 + 5 sin = STO 03 DSZ 1 A R/S
void MixedArithmeticLoop(benchmark::State& state)
{
    RunLoop(state,
            {76, 11, 53, 43, 2, 65, 3, 55, 7, 54, 45, 2, 85, 5, 38, 95, 42, 3, 97, 1, 11, 91},
            100'000);
}
BENCHMARK(MixedArithmeticLoop)->Unit(benchmark::kMillisecond);

}  // namespace
