#include "session/Session.h"

#include "backup/ImageRegions.h"
#include "changes/SlotComparison.h"
#include "changes/WeaponComparison.h"
#include "controls/MainWindowControls.h"
#include "controls/WeaponEditorControls.h"
#include "io/GamePath.h"
#include "profile/Identification.h"
#include "session/ScriptedPrompter.h"
#include "session/Settings.h"
#include "text/LineReader.h"

namespace plorik {

namespace {

// The changed lines of every text and list file the image keeps a copy of; a file only one side has
// counts as all its lines removed or added.
std::vector<LineChange> textFileChanges(const BackupImage& image, const std::string& gameDir)
{
    std::vector<LineChange> changes;
    for (const ImageTextFile& file : image.textFiles()) {
        const std::filesystem::path kept = image.file(file.imageName);
        const std::filesystem::path now = resolveGamePath(gameDir, file.gameName);
        const bool hasKept = std::filesystem::is_regular_file(kept);
        const bool hasNow = std::filesystem::is_regular_file(now);
        if (!hasKept && !hasNow)
            continue;
        const auto lines = changedLines(file.gameName, hasKept ? readAllLines(kept) : std::vector<std::string>{},
                                        hasNow ? readAllLines(now) : std::vector<std::string>{});
        changes.insert(changes.end(), lines.begin(), lines.end());
    }
    return changes;
}

// The executable with the image's blocks laid over it in memory.
ComparedExecutable imageSide(const BackupImage& image, const std::filesystem::path& executable)
{
    ComparedExecutable side{executable, {}};
    for (const ImageBlock& block : image.blocks()) {
        if (const auto file = openImageBlock(image, block))
            side.laid.push_back({block.offset, file->readAll()});
    }
    return side;
}

} // namespace

ChangeReport Session::changeReport(const std::optional<std::filesystem::path>& against, std::int32_t first,
                                   std::int32_t last) const
{
    if (!m_profile)
        throw PlorikError("No game version is identified: there is nothing to compare.");
    ChangeReport report;
    ComparedExecutable before{executablePath(), {}};
    std::optional<BackupImage> image;
    if (against) {
        const Identification identified = identifyVersion(dataFilePath(), *against);
        if (identified.outcome != Identification::Outcome::Matched || identified.versionName != m_versionName)
            throw PlorikError("\"" + against->string() + "\" is not an executable of " + m_versionName +
                              (identified.outcome == Identification::Outcome::Matched
                                   ? " (it is " + identified.versionName + ")"
                                   : " (data.txt names no version for it)") +
                              ": only executables of the same version can be compared.");
        before.path = *against;
        report.against = against->string();
    } else {
        if (const auto refusal = BackupImage::nameRefusal(m_versionName))
            throw PlorikError(*refusal);
        image.emplace(m_programDir, m_versionName, *m_profile,
                      (*m_weapons)[controls::weapons::WeaponList].items().size());
        if (!std::filesystem::is_directory(image->folder()))
            throw PlorikError("There is no backup image of " + m_versionName +
                              " to compare with: \"Create Backup Image\" takes one.");
        before = imageSide(*image, executablePath());
        report.against = "the backup image";
    }
    const SlotComparison comparison{*m_main,        *m_profile,        m_gameDir,
                                    dataFilePath(), std::move(before), {executablePath(), {}}};
    report.craftSlots = compareSlots(comparison, first, last);
    // What the weapon editor would say of a weapon it cannot show is no part of the report.
    ScriptedPrompter quiet;
    report.weapons = compareWeapons({*m_weapons, quiet, *m_profile, m_gameDir, comparison.before, comparison.after});
    if (image)
        report.lines = textFileChanges(*image, m_gameDir);
    return report;
}

void Session::markFields()
{
    m_fieldMarks.clear();
    if (!m_profile || m_slotNotShown)
        return;
    const MainForm& main = *m_main;
    if (main[controls::MarkChangesItem].checked() && !BackupImage::nameRefusal(m_versionName)) {
        const BackupImage image(m_programDir, m_versionName, *m_profile,
                                (*m_weapons)[controls::weapons::WeaponList].items().size());
        std::error_code error;
        if (std::filesystem::is_directory(image.folder(), error)) {
            const SlotComparison comparison{main,
                                            *m_profile,
                                            m_gameDir,
                                            dataFilePath(),
                                            imageSide(image, executablePath()),
                                            {executablePath(), {}}};
            // An image that cannot be read is reported as every read failure is.
            m_fieldMarks = changeMarks(compareSlot(comparison, currentSlot()));
        }
    }
    const auto overrides =
        overrideMarks(m_hookOverrides, [&](const MainControl& entry, std::size_t row, std::size_t column) {
            const Control& control = main[entry];
            return row > 0 ? control.cell(row, column) : control.text();
        });
    m_fieldMarks.insert(m_fieldMarks.end(), overrides.begin(), overrides.end());
}

void Session::toggleMarkChanges()
{
    Control& item = (*m_main)[controls::MarkChangesItem];
    item.setChecked(!item.checked());
    Settings(m_programDir).saveMarkChanges(item.checked());
    markFields();
}

} // namespace plorik
