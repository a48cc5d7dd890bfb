#pragma once

// The tests that go through every slot, every fault point or every file run each case on the
// native build. Where a run is many times slower (under an emulator, under the sanitizers), the
// environment variable PLORIK_TEST_SAMPLE=N makes them take every N-th case only, the first always
// among them: each path of the code still runs, in fewer of the cases that differ only in their data.
#include <cstdlib>
#include <string>

namespace plorik::testing {

inline int sampleStride()
{
    static const int stride = [] {
        const char* text = std::getenv("PLORIK_TEST_SAMPLE");
        const int value = text ? std::atoi(text) : 1;
        return value > 1 ? value : 1;
    }();
    return stride;
}

// Whether case `index` (counted from 0) runs.
inline bool sampled(long long index)
{
    return index % sampleStride() == 0;
}

} // namespace plorik::testing
