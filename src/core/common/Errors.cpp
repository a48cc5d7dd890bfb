#include "common/Errors.h"

#include <cerrno>
#include <cstring>

namespace plorik {

std::string systemReason()
{
    return std::strerror(errno);
}

} // namespace plorik
