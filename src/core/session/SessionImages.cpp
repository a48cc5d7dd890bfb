#include "session/Session.h"

#include "session/Settings.h"

#include "backup/ImageCommands.h"
#include "backup/ImageRegions.h"
#include "common/WriteFailure.h"
#include "controls/MainWindowControls.h"
#include "controls/WeaponEditorControls.h"
#include "exchange/ZtCommands.h"

namespace plorik {

void Session::wireImageCommands()
{
    Form& main = *m_main;
    const auto command = [this](void (Session::*handler)()) {
        return [this, handler] { run([this, handler] { (this->*handler)(); }); };
    };
    main.onPress(controls::CreateBackupImageItem, command(&Session::createBackupImage));
    main.onPress(controls::RecreateFromImageItem, command(&Session::restoreFromImage));
    main.onPress(controls::RecreateSingleSlotItem, command(&Session::restoreSingleSlot));
    main.onPress(controls::SaveAsZtItem, command(&Session::saveSingleZt));
    main.onPress(controls::ZtPackageItem, command(&Session::makeZtPackage));
    main.onPress(controls::MarkChangesItem, command(&Session::toggleMarkChanges));
    // "Make XWA ZT Package" has no command: "Make ZT Package" makes the X-Wing Alliance packages.
}

void Session::showProgress(const std::string& text)
{
    (*m_main)[controls::StatusBar].setText(text);
    m_prompter.repaint();
}

namespace {

// The image of the session's version, or nullopt when the version's name cannot name its folder (an
// error box says why).
std::optional<BackupImage> imageOf(Session& session, Prompter& prompter)
{
    if (const auto refusal = BackupImage::nameRefusal(session.versionName())) {
        prompter.message({"PLORIK error:", *refusal + nothingWrittenParagraph(), MessageIcon::Error, MessageButtons::Ok,
                          Answer::Ok});
        return std::nullopt;
    }
    const std::size_t weaponNames = session.weaponForm()[controls::weapons::WeaponList].items().size();
    return std::optional<BackupImage>(std::in_place, session.programDir(), session.versionName(), *session.profile(),
                                      weaponNames);
}

// What the status bar keeps after a command that failed: the command and the first paragraph of its
// error, which the error box shows whole.
std::string failureStatus(const std::string& command, const std::string& error)
{
    return command + " failed: " + error.substr(0, error.find('\r'));
}

ImageContext imageContext(const Session& session, const BackupImage& image, Prompter& prompter,
                          std::function<void(const std::string&)> status)
{
    return {*session.profile(), image, session.gameDir(), session.executablePath(), prompter, std::move(status), 0, {}};
}

// The status bar's last word on an image command: "Done." only when every file was copied.
std::string imageCommandEnd(std::size_t failedCopies, const std::string& verb)
{
    if (failedCopies == 0)
        return "Done.";
    return std::to_string(failedCopies) + (failedCopies == 1 ? " file" : " files") + " could not be " + verb +
           " (see the warnings); everything else is done.";
}

} // namespace

// The restored tables and texts show at once; the slot's notes in the status bar give way to the
// end of the restore, unless the slot could not be shown again, which the status bar then says.
void Session::showRestoredSlot(std::size_t failedCopies)
{
    readAndShowSlot();
    if (!m_slotNotShown)
        showProgress(imageCommandEnd(failedCopies, "restored"));
}

bool Session::reportFailure(const std::string& command, const std::function<void()>& steps)
{
    try {
        steps();
        return true;
    } catch (const ImageRefusal& refused) {
        showProgress(failureStatus(command, refused.what()));
        error(refused.what());
        return false;
    } catch (const std::exception& failure) {
        showProgress(failureStatus(command, failure.what()));
        throw;
    }
}

void Session::createBackupImage()
{
    const auto image = m_profile ? imageOf(*this, m_prompter) : std::nullopt;
    if (!image)
        return;
    // The backup reads the game folder: no other PLORIK may write it under the copy.
    const auto lock = lockGameFolder();
    if (!lock)
        return;
    const ImageContext context =
        imageContext(*this, *image, m_prompter, [this](const auto& text) { showProgress(text); });
    if (!reportFailure("Create Backup Image", [&] { plorik::createBackupImage(context); }))
        return;
    (*m_main)[controls::CreateBackupImageItem].setEnabled(false);
    Control& marks = (*m_main)[controls::MarkChangesItem];
    marks.setEnabled(true);
    marks.setChecked(Settings(m_programDir).markChanges());
    markFields();
    showProgress(imageCommandEnd(context.failedCopies, "backed up"));
}

void Session::restoreFromImage()
{
    const auto image = m_profile ? imageOf(*this, m_prompter) : std::nullopt;
    if (!image)
        return;
    const auto lock = lockGameFolder();
    if (!lock)
        return;
    ImageContext context = imageContext(*this, *image, m_prompter, [this](const auto& text) { showProgress(text); });
    context.beforeWrite = recorder(std::string(controls::RecreateFromImageItem.caption));
    if (!reportFailure("Recreate from Image", [&] { plorik::restoreFromImage(context); }))
        return;
    showRestoredSlot(context.failedCopies);
}

void Session::restoreSingleSlot()
{
    const auto image = m_profile ? imageOf(*this, m_prompter) : std::nullopt;
    if (!image)
        return;
    const auto lock = lockGameFolder();
    if (!lock)
        return;
    ImageContext context = imageContext(*this, *image, m_prompter, [this](const auto& text) { showProgress(text); });
    context.beforeWrite = recorder(std::string(controls::RecreateSingleSlotItem.caption));
    if (!reportFailure("Recreate Single Slot", [&] { plorik::restoreSingleSlot(context, currentSlot()); }))
        return;
    showRestoredSlot(context.failedCopies);
}

void Session::saveSingleZt()
{
    if (!m_profile)
        return;
    saveSingleSlotZt({*m_profile, m_versionName, executablePath(), dataFilePath(), m_prompter,
                      [this](const std::string& text) { showProgress(text); },
                      (*m_main)[controls::PatchCommentMemo].text(), protectedFiles()},
                     currentSlot());
}

void Session::makeZtPackage()
{
    const auto image = m_profile ? imageOf(*this, m_prompter) : std::nullopt;
    if (!image)
        return;
    reportFailure("Make ZT Package", [&] {
        makeZtPackages({*m_profile, m_versionName, executablePath(), dataFilePath(), m_prompter,
                        [this](const std::string& text) { showProgress(text); },
                        (*m_main)[controls::PatchCommentMemo].text(), protectedFiles()},
                       *image);
    });
}

} // namespace plorik
