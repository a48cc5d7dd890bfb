#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

namespace plorik::bench {

// Times an operation and, in the same iteration, its floor: the least work that gives the same
// result (reading the same bytes once, copying the same files with the system's copy). Each
// iteration's time is the operation's; the counters give the floor and the ratio of the two.
// Register the benchmark with ->UseManualTime().
// `prepare`, when given, runs untimed before each iteration. Returns the operation's mean time in
// seconds.
template <class Operation, class Floor, class Prepare = void (*)()>
double againstFloor(
    benchmark::State& state, Operation&& operation, Floor&& floor, Prepare&& prepare = [] {})
{
    using Clock = std::chrono::steady_clock;
    double operationTotal = 0;
    double floorTotal = 0;
    for (auto _ : state) {
        prepare();
        const auto start = Clock::now();
        operation();
        const auto middle = Clock::now();
        floor();
        const auto end = Clock::now();
        const double seconds = std::chrono::duration<double>(middle - start).count();
        operationTotal += seconds;
        floorTotal += std::chrono::duration<double>(end - middle).count();
        state.SetIterationTime(seconds);
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["floor_ms"] = iterations > 0 ? floorTotal / iterations * 1000 : 0;
    state.counters["ratio"] = floorTotal > 0 ? operationTotal / floorTotal : 0;
    return iterations > 0 ? operationTotal / iterations : 0;
}

} // namespace plorik::bench
