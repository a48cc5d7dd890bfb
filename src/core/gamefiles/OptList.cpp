#include "gamefiles/OptList.h"

namespace plorik {

std::string optListFileName(std::int32_t selector, bool xwa)
{
    if (xwa) {
        switch (selector) {
        case 0: return "FlightModels\\SPACECRAFT0.LST";
        case 1: return "FlightModels\\EQUIPMENT0.LST";
        default: return kUnknownOptList;
        }
    }
    switch (selector) {
    case 0: return "ivfiles\\spec640.lst";
    case 1: return "ivfiles\\spec2640.lst";
    case 2: return "ivfiles\\spec3640.lst";
    default: return kUnknownOptList;
    }
}

} // namespace plorik
