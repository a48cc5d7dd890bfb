#include "io/FileFaults.h"

namespace plorik {

std::optional<FileFaults::Armed>& FileFaults::armed()
{
    static std::optional<Armed> fault;
    return fault;
}

void FileFaults::arm(Step step, int nth, std::size_t partialBytes)
{
    armed() = Armed{step, nth, partialBytes};
}

void FileFaults::disarm()
{
    armed().reset();
}

bool FileFaults::fails(Step step, std::size_t* partialBytes)
{
    std::optional<Armed>& fault = armed();
    if (!fault || fault->step != step || --fault->remaining > 0)
        return false;
    if (partialBytes)
        *partialBytes = fault->partialBytes;
    fault.reset();
    return true;
}

} // namespace plorik
