#pragma once

#include "controls/Windows.h"
#include "form/Form.h"
#include "io/PlannedWrite.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace plorik {

class OptFile;

// The Opt page's "Opt Information: " group: the craft's OPT model file, its meshes, the selected
// mesh's information, collision box and hardpoints, and the two writes back into the file.
//
// It keeps what it read: the file shown (the one the "Mesh:" list came from), its base, the
// offsets of the meshes, of the shown mesh's collision box and of its hardpoints. A write goes only
// to an offset read from the file shown now, for the mesh shown now; every refill forgets them.
class OptInspection {
public:
    // At every display of a slot: the file named by "OPT File:" (inside the game folder only). The
    // group is on while it exists; the "Mesh:" list gets one line per mesh.
    void refill(MainForm& form, const std::string& gameDir);
    // A slot display that stopped: the file and every offset kept from it are forgotten, and the
    // lists of its meshes and hardpoints emptied, so that no write reaches another slot's model.
    void drop(MainForm& form);
    // A click in "Mesh:" or "Mesh Hardpoints:".
    void selectMesh(MainForm& form);
    void selectHardpoint(MainForm& form);
    // "Write Mesh Type", "Write Hardpoint": every text is converted before the file is opened; then
    // the mesh is shown again as the file now holds it.
    // `beforeWrite` is told the region before its first byte.
    void writeMeshType(MainForm& form, const BeforeWrite& beforeWrite = {});
    void writeHardpoint(MainForm& form, const BeforeWrite& beforeWrite = {});

private:
    void forget();
    void forgetMesh();
    // Opens the file shown for writing, runs `write` and shows the mesh again. A failure before the
    // first byte says that nothing was written.
    void patch(MainForm& form, const BeforeWrite& beforeWrite, const std::function<void(OptFile&)>& write);

    std::filesystem::path m_folder; // the game folder, which the file must not leave through a link
    std::optional<std::filesystem::path> m_file;
    std::int64_t m_base = 0;
    std::vector<std::int64_t> m_meshOffsets;
    std::optional<std::int64_t> m_boxOffset;
    // The mesh last shown whole: one without a mesh descriptor has no collision box to write.
    std::optional<int> m_shownMesh;
    std::vector<std::int64_t> m_hardpointOffsets;
};

} // namespace plorik
