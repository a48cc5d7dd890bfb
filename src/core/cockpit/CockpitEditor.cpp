#include "cockpit/CockpitEditor.h"

#include "cockpit/CockpitParts.h"
#include "cockpit/IntFile.h"
#include "common/Errors.h"
#include "common/WriteFailure.h"
#include "controls/CockpitEditorControls.h"
#include "controls/MainWindowControls.h"
#include "craft/Placeholders.h"
#include "io/BinaryFile.h"
#include "io/GamePath.h"
#include "text/NumberRule.h"

#include <algorithm>
#include <system_error>

namespace plorik {

namespace ui_c = controls::cockpit;

namespace {

// A refusal of "Save CP", found before the first byte is written.
struct Refusal {
    std::string text;
};

bool leavesFolder(const std::string& name)
{
    return name.find_first_of("\\/") != std::string::npos || name.find("..") != std::string::npos;
}

bool fileExists(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return text;
}

// The file's name as "&Browse.." puts it into a box: without its folder and its extension.
std::string baseName(const std::string& chosen)
{
    std::string name = splitChosenPath(chosen).file;
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

std::uint16_t word(const std::string& text)
{
    return static_cast<std::uint16_t>(readNumber(text));
}

} // namespace

std::optional<std::int64_t> CockpitEditor::panelOffset() const
{
    if (m_context.profile.absent(Key::IntPanOffset))
        return std::nullopt;
    return m_context.profile.held(Key::IntPanOffset);
}

std::string CockpitEditor::folderName() const
{
    const int index = std::max(control(ui_c::ResolutionList).index(), 0);
    return "CP" + std::string(ui_c::kResolutionItems[static_cast<std::size_t>(index)]);
}

std::optional<std::filesystem::path> CockpitEditor::intFile() const
{
    const std::string& name = control(ui_c::CockpitFileBox).text();
    if (leavesFolder(name))
        return std::nullopt;
    return resolveGamePath(m_context.gameDir, folderName() + "\\" + name + ".int");
}

std::string CockpitEditor::outsideFolderText() const
{
    return "The cockpit name \"" + control(ui_c::CockpitFileBox).text() + "\" does not name a file in " + folderName() +
           ": a cockpit name holds no \"\\\", \"/\" or \"..\".";
}

void CockpitEditor::error(const std::string& caption, const std::string& text)
{
    m_context.prompter.message({caption, text, MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
}

std::vector<std::string> CockpitEditor::listCockpits() const
{
    std::vector<std::string> names;
    const std::filesystem::path folder = resolveGamePath(m_context.gameDir, "CP640");
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return names;
    const std::int64_t shortest = m_context.profile.held(Key::IntPanOffset);
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string file = entry.path().filename().string();
        std::error_code status;
        if (file.size() < 4 || lowerCase(file.substr(file.size() - 4)) != ".int" || !entry.is_regular_file(status))
            continue;
        const auto size = entry.file_size(status);
        if (status || static_cast<std::int64_t>(size) <= shortest)
            continue;
        const std::string name = file.substr(0, file.size() - 4);
        if (name.rfind("map", 0) != 0)
            names.push_back(name);
    }
    // The games' file system listed a folder in name order.
    std::sort(names.begin(), names.end());
    return names;
}

void CockpitEditor::create()
{
    m_part.reset();
    Control& cockpits = control(ui_c::CockpitFileBox);
    cockpits.setItems(listCockpits());
    control(ui_c::PanelBox).setEnabled(panelOffset().has_value());
    cockpits.setText(m_context.main[controls::CockpitBox].text());
    load();
}

void CockpitEditor::load()
{
    const std::string& slotCockpit = m_context.main[controls::CockpitBox].text();
    if (m_context.profile.isXwa() || slotCockpit.empty() || slotCockpit == kNoValue)
        return;
    const std::optional<std::filesystem::path> file = intFile();
    if (!file) {
        error("PLORIK error:", outsideFolderText());
        return;
    }
    if (!fileExists(*file)) {
        error("PLORIK Warning:",
              "This slot's defined cockpit for the present resolution setting could not be found.\rPlease ensure that "
              "the slot has at least one cockpit available in one of the resolution, so it is playable in XvT. Also "
              "note that it's quite normal for custom cockpits, to be available in 640 resolution only.");
        return;
    }
    const CockpitImages images = readCockpitImages(*file, panelOffset());
    for (std::size_t record = 0; record < kImageRecordCount; ++record) {
        control(*ui_c::kImageRecords[record].name.box).setText(images.names[record]);
        control(*ui_c::kImageRecords[record].value).setText(std::to_string(images.values[record]));
    }
    if (images.panel)
        control(ui_c::PanelBox).setText(*images.panel);
}

void CockpitEditor::choosePart()
{
    Control& caption = control(ui_c::VariableCaption);
    Control& variable = control(ui_c::VariableBox);
    caption.setText("n/a");
    variable.setItems({});
    const Control& list = control(ui_c::CockpitPartsBox);
    const int index = list.index();
    if (index < 0 || static_cast<std::size_t>(index) >= cockpitParts().size() ||
        list.text() != list.items()[static_cast<std::size_t>(index)]) {
        m_part.reset();
        control(ui_c::PartXBox).setText("n/a");
        control(ui_c::PartYBox).setText("n/a");
        return;
    }
    const CockpitPart& part = cockpitParts()[static_cast<std::size_t>(index)];
    m_part = static_cast<std::size_t>(index);
    caption.setText(std::string(variableCaption(part.variable)));
    variable.setItems(variableChoices(part.variable));
    const std::optional<std::filesystem::path> file = intFile();
    if (!file || !fileExists(*file))
        return;
    const PartValues values = readPartValues(*file, part);
    control(ui_c::PartXBox).setText(std::to_string(values.x));
    control(ui_c::PartYBox).setText(std::to_string(values.y));
    variable.setEnabled(values.variable.has_value());
    if (values.variable)
        variable.setText(std::to_string(*values.variable));
}

std::vector<FilePatch> CockpitEditor::savePatches() const
{
    std::vector<FilePatch> patches;
    // A record's name area holds 8 characters and its 0 byte; the panel's has no code byte, so
    // even a code word is a name there.
    const auto checkedName = [this](const CockpitControl& box, bool codeWords) {
        const std::string& text = control(box).text();
        if ((!codeWords || !isImageCodeWord(text)) && text.size() > kImageNameLength)
            throw Refusal{"\"" + std::string(box.caption) + "\" holds \"" + text + "\" (" +
                          std::to_string(text.size()) + " characters); an image name has at most 8 characters." +
                          nothingWrittenSentence()};
        return text;
    };
    for (std::size_t record = 0; record < kImageRecordCount; ++record) {
        const CockpitControl& box = *ui_c::kImageRecords[record].name.box;
        patches.push_back({"\"" + std::string(box.caption) + "\"", imageRecordOffset(record) + 1,
                           imageNameBytes(checkedName(box, true))});
    }
    if (const auto offset = panelOffset()) {
        // The panel has no code byte: whatever the box holds is its name.
        const std::string name = checkedName(ui_c::PanelBox, false);
        std::vector<std::uint8_t> bytes(name.begin(), name.end());
        bytes.push_back(0);
        patches.push_back({"\"Panel:\"", *offset, bytes});
    }
    if (m_part) {
        const CockpitPart& part = cockpitParts()[*m_part];
        const std::string what = "the part \"" + part.name + "\"";
        patches.push_back({what, part.offset, littleEndianBytes(word(control(ui_c::PartXBox).text()), 2)});
        patches.push_back({what, part.offset + 2, littleEndianBytes(word(control(ui_c::PartYBox).text()), 2)});
        if (control(ui_c::VariableCaption).text() != kNoValue)
            patches.push_back(
                {what, part.offset + 6, littleEndianBytes(word(control(ui_c::VariableBox).text().substr(0, 3)), 2)});
    }
    return patches;
}

void CockpitEditor::save()
{
    const std::string& name = control(ui_c::CockpitFileBox).text();
    if (name.empty() || name == kNoValue)
        return;
    const std::optional<std::filesystem::path> file = intFile();
    if (!file) {
        error("PLORIK error:", outsideFolderText() + nothingWrittenSentence());
        return;
    }
    if (!fileExists(*file)) {
        error("PLORIK notify:", "The Cockpit name specified doesn't exist as a file.\r\rTo create a new cokpit from "
                                "scratch, first copy an existing INT cockpit file!");
        return;
    }
    std::vector<FilePatch> patches;
    try {
        patches = savePatches();
    } catch (const Refusal& refusal) {
        error("PLORIK error:", refusal.text);
        return;
    }
    // Opened for writing before anything is written, so a write-protected file stops the save here.
    try {
        refuseLinkOutside(*file, resolveGamePath(m_context.gameDir));
    } catch (const FileError& outside) {
        error("PLORIK error:", outside.what() + nothingWrittenSentence());
        return;
    }
    BinaryFile out(*file, BinaryFile::Mode::ReadWrite);
    const std::string shownName = folderName() + "\\" + name + ".int";
    if (const auto outside = patchOutside(patches, out.size(), shownName)) {
        error("PLORIK error:", *outside + nothingWrittenSentence());
        return;
    }
    // Names, panel and part go in with one positioned write, read back.
    const FilePatch whole = spanOf(patches, out, shownName);
    PlannedWrite planned;
    planned.region(*file, whole.offset, whole.bytes, whole.what);
    announce(m_context.beforeWrite, planned);
    try {
        out.writeRegion(whole.offset, whole.bytes, whole.what);
    } catch (const PlorikError& failure) {
        throw PlorikError(std::string(failure.what()) + "\r\r" + shownName + " may be written in part.");
    }
}

void CockpitEditor::browse(CockpitKey box)
{
    FileChoice choice{"Open a *.LFD file", "*.lfd", "LFD file |*.lfd", 1};
    choice.directory = resolveGamePath(m_context.gameDir, "cp640").string();
    const std::optional<std::string> chosen = m_context.prompter.openFile(choice);
    if (chosen)
        control(box).setText(baseName(*chosen));
}

void CockpitEditor::putCodeWord(CockpitKey box, std::string_view word)
{
    control(box).setText(std::string(word));
}

} // namespace plorik
