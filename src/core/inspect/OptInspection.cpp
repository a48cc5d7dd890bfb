#include "inspect/OptInspection.h"

#include "common/WriteFailure.h"
#include "controls/MainWindowControls.h"
#include "craft/Placeholders.h"
#include "inspect/InspectionError.h"
#include "inspect/OptFile.h"
#include "io/BinaryFile.h"
#include "io/GamePath.h"
#include "text/StrictNumber.h"

#include <charconv>
#include <system_error>

namespace plorik {

namespace {

// The group and everything in it: off together, so that nothing in it takes a click or a press
// while the model file is missing.
constexpr MainKey kGroup[] = {
    controls::OptInfoGroup, controls::MeshList,      controls::MeshInfoBox,         controls::HitzoneGrid,
    controls::MeshTypeBox,  controls::HardpointList, controls::HardpointTypeBox,    controls::HardpointX,
    controls::HardpointY,   controls::HardpointZ,    controls::WriteMeshTypeButton, controls::WriteHardpointButton};
constexpr MainKey kPosition[] = {controls::HardpointX, controls::HardpointY, controls::HardpointZ};
constexpr std::size_t kBoxRows = 4;
// A type that its list does not hold.
constexpr const char* kUnlistedType = "Unknown";
constexpr std::size_t kAxes = 3;

// General number format, 7 significant digits.
std::string shown(float value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 7);
    return std::string(text, result.ptr);
}

float converted(const std::string& text, const std::string& field)
{
    if (const auto value = parseSingle(text))
        return *value;
    throw PlorikError("\"" + text + "\" is not a valid floating point value (" + field + ")." +
                      nothingWrittenParagraph());
}

// The item of a type list for a type read from the file, or -1 when the list has none.
int itemOf(const Control& list, std::int32_t type)
{
    return type >= 0 && static_cast<std::size_t>(type) < list.items().size() ? type : -1;
}

// The type a list's item gives, or nullopt when none is selected: a type that the list does not
// hold shows no item, and the file's own type stays.
std::optional<std::int32_t> chosenType(const Control& list)
{
    const int item = list.index();
    return item < 0 ? std::nullopt : std::optional<std::int32_t>(item);
}

std::string itemText(const Control& list, std::int32_t type)
{
    const int item = itemOf(list, type);
    return item < 0 ? std::string(kUnlistedType) : list.items()[static_cast<std::size_t>(item)];
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty())
            text += "\r\n";
        text += line;
    }
    return text;
}

} // namespace

void OptInspection::forget()
{
    m_file.reset();
    m_base = 0;
    m_meshOffsets.clear();
    forgetMesh();
}

void OptInspection::forgetMesh()
{
    m_boxOffset.reset();
    m_shownMesh.reset();
    m_hardpointOffsets.clear();
}

void OptInspection::drop(MainForm& form)
{
    forget();
    form[controls::MeshList].setItems({});
    form[controls::HardpointList].setItems({});
}

void OptInspection::refill(MainForm& form, const std::string& gameDir)
{
    forget();
    m_folder = resolveGamePath(gameDir);
    form[controls::MeshList].setItems({});
    const std::string& name = form[controls::DBOPTFile].text();
    std::optional<std::filesystem::path> path;
    if (isModelName(name))
        path = resolveInsideGameDir(gameDir, name);
    std::error_code error;
    const bool exists = path && std::filesystem::is_regular_file(*path, error);
    for (MainKey key : kGroup)
        form[key].setEnabled(exists);
    if (!exists)
        return;
    const OptFile::Header header = OptFile(*path, BinaryFile::Mode::Read).readHeader();
    m_file = path;
    m_base = header.base;
    m_meshOffsets = header.meshOffsets;
    std::vector<std::string> items;
    for (std::size_t mesh = 0; mesh < m_meshOffsets.size(); ++mesh)
        items.push_back(std::to_string(mesh));
    form[controls::MeshList].setItems(std::move(items));
}

void OptInspection::selectMesh(MainForm& form)
{
    const int mesh = form[controls::MeshList].index();
    if (!m_file || mesh < 0 || static_cast<std::size_t>(mesh) >= m_meshOffsets.size())
        return;
    forgetMesh();
    const std::int64_t offset = m_meshOffsets[static_cast<std::size_t>(mesh)];
    Control& info = form[controls::MeshInfoBox];
    Control& hardpoints = form[controls::HardpointList];
    Control& meshType = form[controls::MeshTypeBox];
    Control& box = form[controls::HitzoneGrid];
    // What belonged to the mesh shown before goes first, so that a mesh without a descriptor, or one
    // that cannot be read, shows no other mesh's values.
    hardpoints.setItems({});
    meshType.setIndex(-1);
    for (std::size_t row = 1; row <= kBoxRows; ++row) {
        for (std::size_t axis = 1; axis <= kAxes; ++axis)
            box.setCell(row, axis, "");
    }
    std::vector<std::string> lines = {"Mesh info:", "Mesh offset: " + std::to_string(offset)};
    info.setText(joinLines(lines));

    const std::vector<OptChild> children =
        OptFile(*m_file, BinaryFile::Mode::Read).readMesh(offset, m_base, static_cast<std::size_t>(mesh));
    std::vector<std::string> hardpointItems;
    for (const OptChild& child : children) {
        switch (child.kind) {
        case OptChild::Kind::Vertices:
            lines.push_back("Vertices: " + std::to_string(child.value));
            lines.push_back("VX Offset: " + std::to_string(child.node + OptFile::kVerticesAt));
            break;
        case OptChild::Kind::MeshDescriptor:
            meshType.setIndex(itemOf(meshType, child.value));
            lines.push_back("Mesh type:" + itemText(meshType, child.value));
            m_boxOffset = child.node + OptFile::kCollisionBoxAt;
            lines.push_back("Mesh hitzone Offset: " + std::to_string(*m_boxOffset));
            for (std::size_t k = 0; k < child.box.size(); ++k)
                box.setCell(k / kAxes + 1, k % kAxes + 1, shown(child.box[k]));
            break;
        case OptChild::Kind::Hardpoint:
            hardpointItems.push_back(itemText(form[controls::HardpointTypeBox], child.value));
            m_hardpointOffsets.push_back(child.node + OptFile::kHardpointAt);
            break;
        }
    }
    info.setText(joinLines(lines));
    hardpoints.setItems(std::move(hardpointItems));
    m_shownMesh = mesh;
}

void OptInspection::selectHardpoint(MainForm& form)
{
    const int hardpoint = form[controls::HardpointList].index();
    if (!m_file || hardpoint < 0 || static_cast<std::size_t>(hardpoint) >= m_hardpointOffsets.size())
        return;
    const OptHardpointValues values =
        OptFile(*m_file, BinaryFile::Mode::Read).readHardpoint(m_hardpointOffsets[static_cast<std::size_t>(hardpoint)]);
    Control& type = form[controls::HardpointTypeBox];
    type.setIndex(itemOf(type, values.type));
    for (std::size_t axis = 0; axis < kAxes; ++axis)
        form[kPosition[axis]].setText(shown(values.position[axis]));
}

void OptInspection::writeMeshType(MainForm& form, const BeforeWrite& beforeWrite)
{
    if (m_file && m_shownMesh && !m_boxOffset)
        throw InspectionError("Mesh " + std::to_string(*m_shownMesh) +
                              " has no mesh descriptor, so it has no mesh type and collision box to write." +
                              nothingWrittenSentence());
    if (!m_file || !m_boxOffset)
        throw InspectionError("Select a mesh of this OPT file first." + nothingWrittenSentence());
    const std::optional<std::int32_t> type = chosenType(form[controls::MeshTypeBox]);
    const Control& grid = form[controls::HitzoneGrid];
    std::array<float, 12> box{};
    for (std::size_t k = 0; k < box.size(); ++k) {
        const std::size_t row = k / kAxes + 1;
        const std::size_t axis = k % kAxes + 1;
        box[k] = converted(grid.cell(row, axis), grid.cell(row, 0) + " " + grid.cell(0, axis));
    }
    patch(form, beforeWrite, [&](OptFile& file) { file.writeMeshDescriptor(*m_boxOffset, type, box); });
}

void OptInspection::writeHardpoint(MainForm& form, const BeforeWrite& beforeWrite)
{
    const int hardpoint = form[controls::HardpointList].index();
    if (!m_file || hardpoint < 0 || static_cast<std::size_t>(hardpoint) >= m_hardpointOffsets.size())
        throw InspectionError("Select a hardpoint of this mesh first." + nothingWrittenSentence());
    const std::optional<std::int32_t> type = chosenType(form[controls::HardpointTypeBox]);
    std::array<float, kAxes> position{};
    for (std::size_t axis = 0; axis < kAxes; ++axis)
        position[axis] =
            converted(form[kPosition[axis]].text(), "Hardpoint " + std::string(form[kPosition[axis]].caption()));
    const std::int64_t offset = m_hardpointOffsets[static_cast<std::size_t>(hardpoint)];
    patch(form, beforeWrite, [&](OptFile& file) { file.writeHardpoint(offset, type, position); });
}

void OptInspection::patch(MainForm& form, const BeforeWrite& beforeWrite, const std::function<void(OptFile&)>& write)
{
    try {
        try {
            refuseLinkOutside(*m_file, m_folder);
        } catch (const FileError& outside) {
            throw InspectionError(outside.what() + nothingWrittenParagraph());
        }
        OptFile file(*m_file, BinaryFile::Mode::ReadWrite);
        file.setBeforeWrite(beforeWrite);
        write(file);
    } catch (const InspectionError&) {
        throw; // a refusal, which says so
    } catch (const WriteRefused&) {
        throw; // a refusal, which says so
    } catch (const PartlyWritten&) {
        throw;
    } catch (const PlorikError& failure) {
        throw PlorikError(failure.what() + nothingWrittenParagraph());
    }
    try {
        selectMesh(form);
    } catch (const PlorikError& failure) {
        throw PlorikError(std::string(failure.what()) +
                          "\r\rThe OPT file was written; the mesh could not be shown again.");
    }
}

} // namespace plorik
