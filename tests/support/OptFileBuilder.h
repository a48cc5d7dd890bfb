#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace plorik::testing {

// The child nodes of a mesh that the Opt page reads, and others that it passes over.
struct OptVertexNode { // type 3: `count` vertices of three floats
    std::int32_t count = 0;
};
struct OptDescriptorNode { // type 25: the mesh type and the collision box
    std::int32_t meshType = 0;
    std::array<float, 12> box{}; // Span, Center, Min, Max; each X, Y, Z
};
struct OptHardpointNode { // type 22
    std::int32_t type = 0;
    std::array<float, 3> position{};
};
struct OptOtherNode { // any other type, with data of its own
    std::int32_t type = 0;
    std::int32_t dataBytes = 0;
};
using OptNode = std::variant<OptVertexNode, OptDescriptorNode, OptHardpointNode, OptOtherNode>;

struct OptMesh {
    std::vector<OptNode> children; // in the order of the mesh's child list
};

// Where the builder put the nodes: file offsets.
struct OptLayout {
    std::int64_t base = 0;
    std::vector<std::int64_t> meshes;
    std::vector<std::vector<std::int64_t>> children; // by mesh, in child list order
};

// Writes OPT model files as the game keeps them: a header with the global offset at 8, the mesh
// count at 14 and the mesh pointers from 22; every pointer is a file offset plus base, base being
// the global offset minus 8. Meshes lie in the file in their list order, each followed by its child
// list; a mesh's child nodes lie in the reverse order of its list, so that only a reader that
// follows the pointers finds them.
class OptFileBuilder {
public:
    // The int32 at offset 8 (the game's files often hold 0, giving base -8).
    OptFileBuilder& globalOffset(std::int32_t value);
    OptFileBuilder& mesh(OptMesh mesh);

    std::string bytes(OptLayout* layout = nullptr) const;
    const std::vector<OptMesh>& meshes() const { return m_meshes; }

private:
    std::int32_t m_globalOffset = 0;
    std::vector<OptMesh> m_meshes;
};

// Little-endian values in a file's bytes, for building and for damaging files in tests.
void putInt32(std::string& bytes, std::int64_t at, std::int32_t value);
void putFloat(std::string& bytes, std::int64_t at, float value);
std::int32_t int32In(const std::string& bytes, std::int64_t at);

} // namespace plorik::testing
