#pragma once

#include "io/BinaryFile.h"
#include "io/PlannedWrite.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace plorik {

// One child node of a mesh that the Opt page shows; other node types are passed over.
struct OptChild {
    enum class Kind { Vertices, MeshDescriptor, Hardpoint };
    Kind kind = Kind::Vertices;
    std::int64_t node = 0; // the node's file offset
    // The vertex count, the mesh type or the hardpoint type.
    std::int32_t value = 0;
    // Mesh descriptors: the collision box, Span, Center, Min and Max, each X, Y, Z.
    std::array<float, 12> box{};
};

// What stands at a hardpoint's offset: its type and position.
struct OptHardpointValues {
    std::int32_t type = 0;
    std::array<float, 3> position{};
};

// An OPT model file, read and patched in place. Its pointers count from a base: pointer p is the
// file offset p - base, base being the int32 at offset 8 minus 8. Every pointer, count and node is
// checked against the file's size before it is read, so a damaged file gives an InspectionError
// (a mesh count above 255 or more than 256 hardpoints a RangeError), never a read outside it.
// Only the header, the mesh pointers and the nodes of one mesh are ever read.
class OptFile {
public:
    static constexpr std::int32_t kMostMeshes = 255;
    static constexpr std::size_t kMostHardpoints = 256;
    // Where a child node's data lie, from the node's offset.
    static constexpr std::int64_t kVerticesAt = 24;
    static constexpr std::int64_t kCollisionBoxAt = 32;
    static constexpr std::int64_t kHardpointAt = 24;

    OptFile(const std::filesystem::path& path, BinaryFile::Mode mode) : m_file(path, mode), m_size(m_file.size()) {}

    struct Header {
        std::int64_t base = 0;
        std::vector<std::int64_t> meshOffsets; // the file offset of each mesh node
    };
    Header readHeader() const;
    // The children of mesh `mesh` (counted from 0, for the messages) whose node lies at `offset`.
    std::vector<OptChild> readMesh(std::int64_t offset, std::int64_t base, std::size_t mesh) const;
    // The hardpoint at `offset` (a hardpoint node + 24).
    OptHardpointValues readHardpoint(std::int64_t offset) const;

    // Write the mesh type in front of the collision box at `boxOffset`, and the box; a hardpoint's
    // type and position at `offset`. Without a type the file's own type stays. Both check first that
    // a node of their type still stands there and that everything lies inside the file; a refusal
    // writes nothing. Each is one positioned write read back; a failure in it says that its region
    // may be written in part.
    void writeMeshDescriptor(std::int64_t boxOffset, std::optional<std::int32_t> type,
                             const std::array<float, 12>& box);
    void writeHardpoint(std::int64_t offset, std::optional<std::int32_t> type, const std::array<float, 3>& position);

    // Told each region before it is written (the history of writes); one write per command.
    void setBeforeWrite(BeforeWrite beforeWrite) { m_beforeWrite = std::move(beforeWrite); }

private:
    bool holds(std::int64_t offset, std::int64_t length) const;
    std::vector<std::uint8_t> bytesAt(std::int64_t offset, std::int64_t length) const;
    void expectNode(std::int64_t node, std::int32_t type, std::int64_t length) const;
    void patch(std::int64_t offset, const std::vector<std::uint8_t>& bytes, const std::string& region);

    BinaryFile m_file;
    BeforeWrite m_beforeWrite;
    std::int64_t m_size;
};

} // namespace plorik
