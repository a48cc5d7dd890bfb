#pragma once

#include "OptFileBuilder.h"

namespace plorik::bench {

// A model of `scale` x 2.5 MB in `scale` x 20 meshes, each with its vertices, a descriptor, four
// hardpoints and a node of other data.
testing::OptFileBuilder largeModel(int scale);

} // namespace plorik::bench
