#include "inspect/OptFile.h"

#include "common/WriteFailure.h"
#include "inspect/InspectionError.h"

#include <bit>

namespace plorik {

namespace {

constexpr std::int64_t kGlobalOffsetAt = 8;
constexpr std::int64_t kMeshCountAt = 14;
constexpr std::int64_t kMeshPointersAt = 22;
// A node's header: +4 type, +8 child count, +12 pointer to the child pointers, +16 vertex count.
constexpr std::int64_t kTypeAt = 4;
constexpr std::int64_t kChildCountAt = 8;
constexpr std::int64_t kChildrenAt = 12;
constexpr std::int64_t kVertexCountAt = 16;

constexpr std::int32_t kVertexNode = 3;
constexpr std::int32_t kHardpointNode = 22;
constexpr std::int32_t kMeshDescriptorNode = 25;

// How far into a node of each type the page reads.
constexpr std::int64_t kVertexNodeLength = kVertexCountAt + 4;
constexpr std::int64_t kDescriptorNodeLength = OptFile::kCollisionBoxAt + 12 * 4;
constexpr std::int64_t kHardpointNodeLength = OptFile::kHardpointAt + 4 * 4;

std::int32_t int32At(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    const std::uint32_t value =
        bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
    return static_cast<std::int32_t>(value);
}

float floatAt(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return std::bit_cast<float>(static_cast<std::uint32_t>(int32At(bytes, at)));
}

void putInt32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

// "Mesh 3" at the start of a message, "mesh 3" inside one; numbered as the "Mesh:" list shows them.
std::string meshName(std::size_t mesh, bool first = true)
{
    return (first ? "Mesh " : "mesh ") + std::to_string(mesh);
}

} // namespace

bool OptFile::holds(std::int64_t offset, std::int64_t length) const
{
    return offset >= 0 && length >= 0 && offset <= m_size && length <= m_size - offset;
}

std::vector<std::uint8_t> OptFile::bytesAt(std::int64_t offset, std::int64_t length) const
{
    return m_file.readExactlyAt(offset, static_cast<std::size_t>(length));
}

OptFile::Header OptFile::readHeader() const
{
    // One read takes the header and as many mesh pointers as a file can have; the counts are
    // checked against what it gave.
    const std::vector<std::uint8_t> header = m_file.readAt(0, kMeshPointersAt + std::size_t{kMostMeshes} * 4);
    if (header.size() < kMeshPointersAt)
        throw InspectionError("The OPT file has " + std::to_string(m_size) + " bytes, too few for its header.");
    Header read;
    read.base = std::int64_t{int32At(header, kGlobalOffsetAt)} - 8;
    const std::int32_t count = int32At(header, kMeshCountAt);
    if (count < 0)
        throw InspectionError("The OPT file gives a negative number of meshes (" + std::to_string(count) + ").");
    if (count > kMostMeshes)
        throw RangeError("The OPT file gives " + std::to_string(count) + " meshes; an OPT file holds at most " +
                         std::to_string(kMostMeshes) + ".");
    if (header.size() < kMeshPointersAt + std::size_t{static_cast<std::uint32_t>(count)} * 4)
        throw InspectionError("The OPT file ends inside its list of " + std::to_string(count) + " mesh pointers.");
    for (std::size_t mesh = 0; mesh < static_cast<std::size_t>(count); ++mesh)
        read.meshOffsets.push_back(int32At(header, kMeshPointersAt + mesh * 4) - read.base);
    return read;
}

std::vector<OptChild> OptFile::readMesh(std::int64_t offset, std::int64_t base, std::size_t mesh) const
{
    if (!holds(offset, kChildrenAt + 4))
        throw InspectionError(meshName(mesh) + " points outside the file.");
    const std::vector<std::uint8_t> node = bytesAt(offset, kChildrenAt + 4);
    const std::int32_t count = int32At(node, kChildCountAt);
    if (count < 0)
        throw InspectionError(meshName(mesh) + " gives a negative number of child nodes (" + std::to_string(count) +
                              ").");
    if (count == 0)
        return {}; // its list pointer means nothing then
    const std::int64_t list = int32At(node, kChildrenAt) - base;
    if (!holds(list, std::int64_t{count} * 4))
        throw InspectionError("The list of the " + std::to_string(count) + " child nodes of " + meshName(mesh, false) +
                              " lies outside the file.");
    const std::vector<std::uint8_t> pointers = bytesAt(list, std::int64_t{count} * 4);

    std::vector<OptChild> children;
    std::size_t hardpoints = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        const std::int64_t child = int32At(pointers, i * 4) - base;
        const std::string name = "Child node " + std::to_string(i) + " of " + meshName(mesh, false);
        if (!holds(child, kTypeAt + 4))
            throw InspectionError(name + " points outside the file.");
        // One read takes the type and as much of the node as any type needs; the rest is checked
        // below by type.
        const std::vector<std::uint8_t> bytes = m_file.readAt(child, kDescriptorNodeLength);
        const auto size = static_cast<std::int64_t>(bytes.size());
        const std::int32_t type = int32At(bytes, kTypeAt);
        const auto needs = [&](std::int64_t length, const char* kind) {
            if (size < length)
                throw InspectionError(name + " (" + kind + ") ends outside the file.");
        };
        OptChild read;
        read.node = child;
        if (type == kVertexNode) {
            needs(kVertexNodeLength, "a vertex node");
            read.kind = OptChild::Kind::Vertices;
            read.value = int32At(bytes, kVertexCountAt);
        } else if (type == kMeshDescriptorNode) {
            needs(kDescriptorNodeLength, "a mesh descriptor node");
            read.kind = OptChild::Kind::MeshDescriptor;
            read.value = int32At(bytes, kCollisionBoxAt - 8);
            for (std::size_t k = 0; k < read.box.size(); ++k)
                read.box[k] = floatAt(bytes, kCollisionBoxAt + k * 4);
        } else if (type == kHardpointNode) {
            needs(kHardpointNodeLength, "a hardpoint node");
            if (++hardpoints > kMostHardpoints)
                throw RangeError(meshName(mesh) + " has more than " + std::to_string(kMostHardpoints) +
                                 " hardpoints; at most " + std::to_string(kMostHardpoints) + " can be listed.");
            read.kind = OptChild::Kind::Hardpoint;
            read.value = int32At(bytes, kHardpointAt);
        } else {
            continue;
        }
        children.push_back(read);
    }
    return children;
}

OptHardpointValues OptFile::readHardpoint(std::int64_t offset) const
{
    if (!holds(offset, 16))
        throw InspectionError("The hardpoint at offset " + std::to_string(offset) + " lies outside the file.");
    const std::vector<std::uint8_t> bytes = bytesAt(offset, 16);
    OptHardpointValues read;
    read.type = int32At(bytes, 0);
    for (std::size_t axis = 0; axis < 3; ++axis)
        read.position[axis] = floatAt(bytes, 4 + axis * 4);
    return read;
}

void OptFile::expectNode(std::int64_t node, std::int32_t type, std::int64_t length) const
{
    if (!holds(node, length) || int32At(bytesAt(node + kTypeAt, 4), 0) != type)
        throw InspectionError("The OPT file no longer holds the node shown (offset " + std::to_string(node) +
                              "); it was changed since. Select the mesh again." + nothingWrittenParagraph());
}

void OptFile::patch(std::int64_t offset, const std::vector<std::uint8_t>& bytes, const std::string& region)
{
    PlannedWrite planned;
    planned.region(m_file.path(), offset, bytes, region);
    announce(m_beforeWrite, planned);
    try {
        m_file.writeRegion(offset, bytes, region);
    } catch (const PlorikError& failure) {
        throw PartlyWritten(std::string(failure.what()) + "\r\rThe " + region + " may be written in part.");
    }
}

void OptFile::writeMeshDescriptor(std::int64_t boxOffset, std::optional<std::int32_t> type,
                                  const std::array<float, 12>& box)
{
    expectNode(boxOffset - kCollisionBoxAt, kMeshDescriptorNode, kDescriptorNodeLength);
    // One write from the type to the box's end; the unused field between them keeps its bytes.
    std::vector<std::uint8_t> bytes = bytesAt(boxOffset - 8, 8 + 12 * 4);
    if (type)
        putInt32(bytes, 0, static_cast<std::uint32_t>(*type));
    for (std::size_t k = 0; k < box.size(); ++k)
        putInt32(bytes, 8 + 4 * k, std::bit_cast<std::uint32_t>(box[k]));
    patch(boxOffset - 8, bytes, "mesh type and collision box at offset " + std::to_string(boxOffset - 8));
}

void OptFile::writeHardpoint(std::int64_t offset, std::optional<std::int32_t> type,
                             const std::array<float, 3>& position)
{
    expectNode(offset - kHardpointAt, kHardpointNode, kHardpointNodeLength);
    std::vector<std::uint8_t> bytes = bytesAt(offset, 16);
    if (type)
        putInt32(bytes, 0, static_cast<std::uint32_t>(*type));
    for (std::size_t axis = 0; axis < 3; ++axis)
        putInt32(bytes, 4 + 4 * axis, std::bit_cast<std::uint32_t>(position[axis]));
    patch(offset, bytes, "hardpoint at offset " + std::to_string(offset));
}

} // namespace plorik
