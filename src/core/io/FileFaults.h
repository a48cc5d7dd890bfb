#pragma once

#include <cstddef>
#include <optional>

namespace plorik {

// Failures the tests inject into the file layer, to prove that every writer leaves the old file or
// the new one and tells the user. Nothing arms them in the program, where every check is a no-op.
class FileFaults {
public:
    enum class Step { Open, Create, Read, Write, Flush, Close, Rename, Remove };

    // The `nth` call (1 = the next one) of `step` fails; for Write, `partialBytes` bytes are written
    // first. One fault is armed at a time; it fires once.
    static void arm(Step step, int nth, std::size_t partialBytes = 0);
    static void disarm();
    // Whether the armed fault has not fired yet (the operation made fewer calls of its step).
    static bool pending() { return armed().has_value(); }

    // Called by the file layer before each step: true when this call is to fail. For Write, the
    // bytes to write before failing come in `partialBytes`.
    static bool fails(Step step, std::size_t* partialBytes = nullptr);

private:
    struct Armed {
        Step step;
        int remaining;
        std::size_t partialBytes;
    };
    static std::optional<Armed>& armed();
};

} // namespace plorik
