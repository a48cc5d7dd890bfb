#pragma once

#include "common/Errors.h"

namespace plorik {

// A model file that does not hold what it claims, or an inspection command refused: shown in a
// "PLORIK error:" box that says what is wrong.
class InspectionError : public PlorikError {
public:
    using PlorikError::PlorikError;
};

} // namespace plorik
