#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>
#include <vector>

namespace plorik::bench {

// One frame of a 60 Hz screen: what a user sees as "at once".
inline constexpr double kFrameMs = 1000.0 / 60.0;

// The processor time of the calling thread, in milliseconds.
inline double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The median and the largest of a set of times, under `name`_median_ms and `name`_worst_ms ("" for
// the wall times themselves).
inline void reportSpread(benchmark::State& state, std::vector<double> times, const std::string& name)
{
    std::sort(times.begin(), times.end());
    const std::size_t middle = times.size() / 2;
    state.counters[name + "median_ms"] = times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    state.counters[name + "worst_ms"] = times.back();
}

// Times each iteration of a window benchmark on its own and reports what a user waits for: the
// median and the worst iteration, and how many took longer than one frame. The same for the
// processor time of the window's thread (cpu_...): what is left of the wall time is waiting, for
// the disk or, on a busy machine, for a processor. `prepare` runs untimed before each iteration.
// Register the benchmark with ->UseManualTime().
template <class Operation, class Prepare = void (*)()>
void frameTimes(
    benchmark::State& state, Operation&& operation, Prepare&& prepare = [] {})
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> times;
    std::vector<double> cpuTimes;
    times.reserve(static_cast<std::size_t>(state.max_iterations));
    cpuTimes.reserve(static_cast<std::size_t>(state.max_iterations));
    for (auto _ : state) {
        prepare();
        const double cpuStart = threadCpuMs();
        const auto start = Clock::now();
        operation();
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        cpuTimes.push_back(threadCpuMs() - cpuStart);
        state.SetIterationTime(elapsed.count());
        times.push_back(elapsed.count() * 1000);
    }
    if (times.empty())
        return;
    reportSpread(state, times, "");
    reportSpread(state, cpuTimes, "cpu_");
    state.counters["over_frame"] =
        static_cast<double>(std::count_if(times.begin(), times.end(), [](double time) { return time > kFrameMs; }));
}

} // namespace plorik::bench
