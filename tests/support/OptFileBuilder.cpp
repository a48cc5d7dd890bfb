#include "OptFileBuilder.h"

#include <bit>
#include <stdexcept>

namespace plorik::testing {

namespace {

constexpr std::int64_t kNodeHeader = 24;
constexpr std::int64_t kMeshPointers = 22;

struct NodeBytes {
    std::int32_t type = 0;
    std::string data; // what follows the node's header
};

std::string int32Bytes(std::int32_t value)
{
    std::string bytes(4, '\0');
    putInt32(bytes, 0, value);
    return bytes;
}

std::string floatBytes(float value)
{
    return int32Bytes(std::bit_cast<std::int32_t>(value));
}

NodeBytes nodeBytes(const OptNode& node)
{
    NodeBytes out;
    if (const auto* vertices = std::get_if<OptVertexNode>(&node)) {
        out.type = 3;
        for (std::int32_t i = 0; i < vertices->count; ++i) {
            // A hull-like cloud of points: values a model could hold, never all alike.
            out.data += floatBytes(static_cast<float>(i % 97) * 0.25f - 12.0f);
            out.data += floatBytes(static_cast<float>(i % 31) * -0.5f + 3.0f);
            out.data += floatBytes(static_cast<float>(i % 13) * 1.5f);
        }
    } else if (const auto* descriptor = std::get_if<OptDescriptorNode>(&node)) {
        out.type = 25;
        out.data += int32Bytes(descriptor->meshType);
        out.data += int32Bytes(-1); // the explosion type, not read
        for (const float value : descriptor->box)
            out.data += floatBytes(value);
        // The target group and the target point, not read.
        out.data += int32Bytes(7) + floatBytes(1.0f) + floatBytes(2.0f) + floatBytes(3.0f);
    } else if (const auto* hardpoint = std::get_if<OptHardpointNode>(&node)) {
        out.type = 22;
        out.data += int32Bytes(hardpoint->type);
        for (const float value : hardpoint->position)
            out.data += floatBytes(value);
    } else {
        const auto& other = std::get<OptOtherNode>(node);
        out.type = other.type;
        for (std::int32_t i = 0; i < other.dataBytes; ++i)
            out.data.push_back(static_cast<char>(0x40 + i % 50));
    }
    return out;
}

// A node's header: name pointer, type, child count, child list pointer, data count, data pointer.
std::string nodeHeader(std::int32_t type, std::int32_t children, std::int64_t childList, std::int32_t dataCount,
                       std::int64_t data)
{
    return int32Bytes(0) + int32Bytes(type) + int32Bytes(children) + int32Bytes(static_cast<std::int32_t>(childList)) +
           int32Bytes(dataCount) + int32Bytes(static_cast<std::int32_t>(data));
}

} // namespace

void putInt32(std::string& bytes, std::int64_t at, std::int32_t value)
{
    if (at < 0 || at + 4 > static_cast<std::int64_t>(bytes.size()))
        throw std::out_of_range("putInt32 outside the bytes");
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(at + i)] = static_cast<char>(static_cast<std::uint32_t>(value) >> (8 * i));
}

void putFloat(std::string& bytes, std::int64_t at, float value)
{
    putInt32(bytes, at, std::bit_cast<std::int32_t>(value));
}

std::int32_t int32In(const std::string& bytes, std::int64_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes.at(static_cast<std::size_t>(at + i)));
    return static_cast<std::int32_t>(value);
}

OptFileBuilder& OptFileBuilder::globalOffset(std::int32_t value)
{
    m_globalOffset = value;
    return *this;
}

OptFileBuilder& OptFileBuilder::mesh(OptMesh mesh)
{
    m_meshes.push_back(std::move(mesh));
    return *this;
}

std::string OptFileBuilder::bytes(OptLayout* layout) const
{
    const std::int64_t base = std::int64_t{m_globalOffset} - 8;
    const auto pointer = [base](std::int64_t offset) { return offset + base; };
    const auto count = static_cast<std::int32_t>(m_meshes.size());
    OptLayout placed;
    placed.base = base;

    std::string file = int32Bytes(-2) + int32Bytes(0) + int32Bytes(m_globalOffset) + std::string(2, '\2') +
                       int32Bytes(count) + int32Bytes(static_cast<std::int32_t>(pointer(kMeshPointers)));
    file += std::string(static_cast<std::size_t>(count) * 4, '\0');
    for (std::size_t mesh = 0; mesh < m_meshes.size(); ++mesh) {
        const std::vector<OptNode>& children = m_meshes[mesh].children;
        const auto meshAt = static_cast<std::int64_t>(file.size());
        const std::int64_t listAt = meshAt + kNodeHeader;
        putInt32(file, kMeshPointers + static_cast<std::int64_t>(mesh) * 4, static_cast<std::int32_t>(pointer(meshAt)));
        file += nodeHeader(0, static_cast<std::int32_t>(children.size()), children.empty() ? 0 : pointer(listAt), 0, 0);
        file += std::string(children.size() * 4, '\0');
        std::vector<std::int64_t> childAt(children.size());
        for (std::size_t i = children.size(); i-- > 0;) {
            const NodeBytes node = nodeBytes(children[i]);
            childAt[i] = static_cast<std::int64_t>(file.size());
            const auto* vertices = std::get_if<OptVertexNode>(&children[i]);
            file += nodeHeader(node.type, 0, 0, vertices ? vertices->count : 1, pointer(childAt[i] + kNodeHeader));
            file += node.data;
            putInt32(file, listAt + static_cast<std::int64_t>(i) * 4, static_cast<std::int32_t>(pointer(childAt[i])));
        }
        placed.meshes.push_back(meshAt);
        placed.children.push_back(childAt);
    }
    putInt32(file, 4, static_cast<std::int32_t>(file.size() - 8));
    if (layout)
        *layout = placed;
    return file;
}

} // namespace plorik::testing
