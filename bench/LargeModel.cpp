#include "LargeModel.h"

namespace plorik::bench {

using namespace plorik::testing;

OptFileBuilder largeModel(int scale)
{
    constexpr std::int32_t kVerticesIn5Mb = 5 * 1024 * 1024 / 12;
    OptFileBuilder model;
    const int meshes = 20 * scale;
    for (int mesh = 0; mesh < meshes; ++mesh) {
        OptMesh built;
        built.children.push_back(OptVertexNode{kVerticesIn5Mb / 40});
        built.children.push_back(OptDescriptorNode{mesh % 10, {}});
        for (int hardpoint = 0; hardpoint < 4; ++hardpoint)
            built.children.push_back(OptHardpointNode{hardpoint + 1, {1.0f * mesh, 2.0f, 3.0f}});
        built.children.push_back(OptOtherNode{21, 64});
        model.mesh(std::move(built));
    }
    return model;
}

} // namespace plorik::bench
