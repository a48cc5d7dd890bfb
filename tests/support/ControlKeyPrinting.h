#pragma once

#include "form/ControlEntry.h"

#include <ostream>

namespace plorik {

// Test messages name a control by its key.
inline std::ostream& operator<<(std::ostream& out, ControlKey key)
{
    return out << key.name();
}

} // namespace plorik
