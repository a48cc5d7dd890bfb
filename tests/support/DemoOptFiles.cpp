#include "DemoOptFiles.h"

#include <algorithm>
#include <cctype>

namespace plorik::testing {

namespace {

// Mesh types and hardpoint types by their numbers in the page's lists.
enum MeshType { kMainHull = 1, kWing = 2, kGunTurret = 4, kEngine = 6, kBridge = 7, kAntenna = 19 };
enum HardpointType {
    kRebelLaser = 1,
    kEmpireLaser = 3,
    kIonCannon = 5,
    kTorpedo = 7,
    kMissile = 8,
    kCockpitSparks = 20,
    kDockingPoint = 21,
    kCockpit = 31,
    kEngineglow = 32,
};
// Node types a model holds that the page passes over: normals, texture coordinates, a texture.
constexpr std::int32_t kNormals = 11;
constexpr std::int32_t kTextureCoordinates = 13;
constexpr std::int32_t kTexture = 20;

// A collision box around `center` reaching `span` each way.
OptDescriptorNode part(std::int32_t type, std::array<float, 3> center, std::array<float, 3> span)
{
    OptDescriptorNode node{type, {}};
    for (std::size_t axis = 0; axis < 3; ++axis) {
        node.box[axis] = span[axis];
        node.box[3 + axis] = center[axis];
        node.box[6 + axis] = center[axis] - span[axis];
        node.box[9 + axis] = center[axis] + span[axis];
    }
    return node;
}

OptHardpointNode point(std::int32_t type, float x, float y, float z)
{
    return {type, {x, y, z}};
}

} // namespace

OptFileBuilder demoModel(std::int32_t slot)
{
    const float size = 1.0f + static_cast<float>(slot) * 0.25f;
    const std::int32_t laser = slot % 2 == 0 ? kEmpireLaser : kRebelLaser;
    const std::int32_t vertices = 40 + slot * 12;
    OptFileBuilder model;
    // Some models keep 0 at offset 8, others a global offset of their own.
    model.globalOffset(slot % 2 == 0 ? 0 : 0x1C0 * slot);
    model.mesh(
        {{OptOtherNode{kTextureCoordinates, 96}, OptVertexNode{vertices}, OptOtherNode{kNormals, 48},
          part(kMainHull, {0, 0, 0}, {6 * size, 14 * size, 2.5f * size}), point(laser, -5.5f * size, 12.25f * size, 0),
          point(laser, 5.5f * size, 12.25f * size, 0), point(kTorpedo, 0, 8 * size, -1.5f)}});
    model.mesh({{part(kWing, {-9 * size, -2, 0}, {4 * size, 5, 0.75f}), OptVertexNode{vertices / 2},
                 point(laser, -12.5f * size, 3.0f, 0.5f)}});
    model.mesh({{part(kWing, {9 * size, -2, 0}, {4 * size, 5, 0.75f}), OptVertexNode{vertices / 2},
                 point(laser, 12.5f * size, 3.0f, 0.5f)}});
    model.mesh(
        {{point(kEngineglow, -2, -15 * size, 0), point(kEngineglow, 2, -15 * size, 0), OptOtherNode{kTexture, 256},
          OptVertexNode{vertices / 3}, part(kEngine, {0, -13 * size, 0}, {3.5f, 2, 1.25f})}});
    model.mesh({{OptVertexNode{24}, part(kBridge, {0, 4, 2.5f}, {1.25f, 2, 1}), point(kCockpit, 0, 4.5f, 2.75f),
                 point(kCockpitSparks, 0, 3.75f, 2.5f)}});
    if (slot % 3 == 0) {
        model.mesh({{part(kGunTurret, {0, 2, -3}, {1.5f, 1.5f, 1}), OptVertexNode{36},
                     point(kIonCannon, 0, 3.5f, -3.5f), point(kMissile, 0, 1, -3.25f)}});
        model.mesh({{OptVertexNode{12}, point(kDockingPoint, 0, 0, -4.5f)}}); // a docking clamp without a box
    }
    if (slot == 5)
        model.mesh({{OptVertexNode{8}, part(kAntenna + 20, {0, 1, 4}, {0.25f, 0.25f, 1.5f})}}); // no such type
    return model;
}

std::optional<std::filesystem::path> modelPath(const GameBuilder& builder, const std::filesystem::path& gameDir,
                                               std::int32_t slot)
{
    std::string name = builder.optName(builder.optList(slot), builder.optIndex(slot));
    if (name.empty())
        return std::nullopt;
    std::replace(name.begin(), name.end(), '\\', '/');
    std::filesystem::path path(name);
    std::string file = path.filename().string();
    std::transform(file.begin(), file.end(), file.begin(), [](unsigned char c) { return std::tolower(c); });
    return gameDir / path.parent_path() / file;
}

void writeDemoModels(const GameBuilder& builder, const std::filesystem::path& gameDir)
{
    for (std::int32_t slot = 1; slot <= kDemoModelSlots; ++slot) {
        const auto path = modelPath(builder, gameDir, slot);
        if (!path)
            continue;
        std::filesystem::create_directories(path->parent_path());
        writeFile(*path, demoModel(slot).bytes());
    }
}

} // namespace plorik::testing
