#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace plorik::bench {

// One frame of a 60 Hz screen: what a user sees as "at once".
inline constexpr double kFrameMs = 1000.0 / 60.0;

// Times each iteration of a window benchmark on its own and reports what a user waits for: the
// median and the worst iteration, and how many took longer than one frame. `prepare` runs untimed
// before each iteration. Register the benchmark with ->UseManualTime().
template <class Operation, class Prepare = void (*)()>
void frameTimes(
    benchmark::State& state, Operation&& operation, Prepare&& prepare = [] {})
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(state.max_iterations));
    for (auto _ : state) {
        prepare();
        const auto start = Clock::now();
        operation();
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        state.SetIterationTime(elapsed.count());
        times.push_back(elapsed.count() * 1000);
    }
    if (times.empty())
        return;
    std::sort(times.begin(), times.end());
    const std::size_t middle = times.size() / 2;
    state.counters["median_ms"] = times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    state.counters["worst_ms"] = times.back();
    state.counters["over_frame"] =
        static_cast<double>(times.end() - std::upper_bound(times.begin(), times.end(), kFrameMs));
}

} // namespace plorik::bench
