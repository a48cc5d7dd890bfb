#pragma once

#include "GameBuilder.h"
#include "OptFileBuilder.h"

#include <filesystem>
#include <optional>

namespace plorik::testing {

// The demo games' OPT models: the first few slots' model files exist, each a small craft of its own
// (hull, wings, engines, a bridge, with laser, warhead, docking and engine glow points).
inline constexpr std::int32_t kDemoModelSlots = 6;
OptFileBuilder demoModel(std::int32_t slot);

// Where slot `slot`'s model file lies in a built game ("OPT File:" as a path; the demo writes it
// with its file name in lower case, as the games' case-insensitive file system lets them be), or
// nullopt when the slot names no model.
std::optional<std::filesystem::path> modelPath(const GameBuilder& builder, const std::filesystem::path& gameDir,
                                               std::int32_t slot);

// Writes the models of slots 1 to kDemoModelSlots into the game folder.
void writeDemoModels(const GameBuilder& builder, const std::filesystem::path& gameDir);

} // namespace plorik::testing
