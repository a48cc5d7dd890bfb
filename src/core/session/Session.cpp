#include "session/Session.h"

#include "cockpit/CockpitEditor.h"
#include "common/Errors.h"
#include "common/WriteFailure.h"
#include "controls/MainWindowControls.h"
#include "controls/WindowForms.h"
#include "io/GamePath.h"
#include "profile/LookupSections.h"
#include "profile/ProfileKey.h"
#include "weapons/WeaponEditor.h"

namespace plorik {

Session::Session(std::filesystem::path programDir, Prompter& prompter)
    : m_programDir(std::move(programDir)), m_prompter(prompter), m_main(buildMainWindowForm()),
      m_cockpit(buildCockpitEditorForm()), m_weapons(buildWeaponEditorForm())
{
    wireHandlers();
}

Session::~Session() = default;

void Session::wireHandlers()
{
    Form& main = *m_main;
    // Every handler is one command of the session: it runs through run(), like the event loop's.
    const auto command = [this](void (Session::*handler)()) {
        return [this, handler] { run([this, handler] { (this->*handler)(); }); };
    };
    const auto action = [this](std::function<void()> handler) {
        return [this, handler = std::move(handler)] { run(handler); };
    };
    main.onChange(controls::CraftNoBox, command(&Session::craftNumberChanged));
    main.onChange(controls::DisplayBox, command(&Session::displayChoiceChanged));
    main.onChange(controls::SpecNo, command(&Session::speciesChanged));
    main.onPress(controls::WriteButton, command(&Session::writeSlot));
    main.onChange(controls::RollBox, command(&Session::manoeuvreChanged));
    main.onChange(controls::PitchBox, command(&Session::manoeuvreChanged));
    main.onChange(controls::TurboFirePriorityBar, command(&Session::turboPriorityChanged));
    main.onChange(controls::SuperFirePriorityBar, command(&Session::superPriorityChanged));
    main.onPress(controls::NextSlotButton, command(&Session::nextSlot));
    main.onPress(controls::PrevSlotButton, command(&Session::previousSlot));
    main.onPress(controls::SelectExeFileItem, command(&Session::selectExeFile));
    main.onPress(controls::ExitItem, action([this] { endNow(0); }));
    main.onPress(controls::AboutItem, command(&Session::about));
    main.onPress(controls::ContentsItem, action([this] { m_prompter.showHelp(""); }));
    main.onPress(controls::IntroductionItem, action([this] { m_prompter.showHelp("introduction"); }));
    main.onPress(controls::HowToUseHelpItem, action([this] { m_prompter.showHelp("how-to-use-help"); }));
    // The project has no web page of its own; the logo opens the help's home page instead.
    main.onPress(controls::LogoImage, action([this] { m_prompter.showHelp(""); }));
    main.onPress(controls::IntCockpitEditorItem, command(&Session::showCockpitEditor));
    main.onPress(controls::INTEditorButton, command(&Session::showCockpitEditor));
    main.onPress(controls::WeaponsEditorItem, command(&Session::showWeaponEditor));
    for (MainKey key : {controls::OpenShipItem, controls::OpenShipTool})
        main.onPress(key, command(&Session::openShip));
    for (MainKey key : {controls::SaveShipAsItem, controls::SaveShipTool})
        main.onPress(key, command(&Session::saveShip));
    main.onPress(controls::CopyShipItem, command(&Session::copyShip));
    main.onPress(controls::PasteShipItem, command(&Session::pasteShip));
    main.onPress(controls::PasteShipTypeOnlyItem, command(&Session::pasteShipTypeOnly));
    main.onPress(controls::UndoWriteItem, action([this] { undo(1, true); }));
    main.onPress(controls::ExportHookFileItem, command(&Session::exportHookFileItem));
    main.onPress(controls::ImportHookFileItem, command(&Session::importHookFileItem));
    wireImageCommands();
    wireInspectionCommands();
    // "&Topic", "&Tutorial" and the last tool button have no command.
    wireCockpitEditor();
    wireWeaponEditor();
}

void Session::run(const std::function<void()>& command)
{
    if (m_ended)
        return;
    try {
        command();
    } catch (const ProgramEnd& end) {
        finish(end.code);
    } catch (const MissingSectionError& missing) {
        // data.txt lacks a section the program cannot do without: it ends at once.
        error(missing.what());
        finish(1);
    } catch (const WriteRefused& refused) {
        error(refused.what());
    } catch (const PlorikError& failure) {
        m_prompter.message({"PLORIK", failure.what(), MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
    } catch (const std::bad_alloc&) {
        m_prompter.message({"PLORIK", "Out of memory.", MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
    } catch (const std::exception& failure) {
        // Whatever the program did not foresee (a file system or stream failure, ...) ends the
        // command, never the program.
        m_prompter.message({"PLORIK", failure.what(), MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
    } catch (...) {
        m_prompter.message(
            {"PLORIK", "An unexpected error ended the command.", MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
    }
}

void Session::error(const std::string& text, const std::string& caption)
{
    m_prompter.message({caption, text, MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
}

std::optional<FolderLock> Session::lockGameFolder()
{
    std::optional<FolderLock> lock = FolderLock::tryLock(resolveGamePath(m_gameDir));
    if (!lock)
        error("The game folder is in use by another PLORIK." + nothingWrittenParagraph());
    return lock;
}

void Session::endNow(int code)
{
    throw ProgramEnd{code};
}

void Session::endAfterStartUp(int code)
{
    if (!m_pendingEnd)
        m_pendingEnd = code;
}

void Session::finish(int code)
{
    m_ended = true;
    m_exitCode = code;
}

std::int32_t Session::currentSlot() const
{
    if (!m_profile || m_profile->entryLength() <= 0)
        return 0;
    return m_slotOffset / m_profile->entryLength() + 1;
}

std::filesystem::path Session::dataFilePath() const
{
    return resolveGamePath(m_programDir.string(), "data.txt");
}

std::filesystem::path Session::executablePath() const
{
    return resolveGamePath(m_gameDir, m_exeName);
}

std::filesystem::path Session::backupFolder() const
{
    return resolveGamePath(m_programDir.string(), "PLORIKbackup\\" + m_versionName);
}

ProtectedFiles Session::protectedFiles() const
{
    return {resolveGamePath(m_gameDir), executablePath(), resolveGamePath(m_programDir.string(), "PLORIKbackup")};
}

} // namespace plorik
