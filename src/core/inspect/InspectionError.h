#pragma once

#include "common/Errors.h"

namespace plorik {

// A model file that does not hold what it claims, or an inspection command refused: shown in a
// "PLORIK error:" box that says what is wrong.
class InspectionError : public PlorikError {
public:
    using PlorikError::PlorikError;
};

// A write into a model file that failed once its bytes had begun to go out: its text says which
// region may be written in part.
class PartlyWritten : public PlorikError {
public:
    using PlorikError::PlorikError;
};

} // namespace plorik
