#include "session/Session.h"

#include "cockpit/CockpitEditor.h"
#include "common/Errors.h"
#include "io/GamePath.h"
#include "profile/LookupSections.h"
#include "profile/ProfileKey.h"
#include "weapons/WeaponEditor.h"
#include "windows/MainWindowControls.h"
#include "windows/WindowForms.h"

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
    main.onChange(ui::CraftNoBox, command(&Session::craftNumberChanged));
    main.onChange(ui::DisplayBox, command(&Session::displayChoiceChanged));
    main.onChange(ui::SpecNo, command(&Session::speciesChanged));
    main.onPress(ui::Button3, command(&Session::writeSlot));
    main.onChange(ui::RollBox, command(&Session::manoeuvreChanged));
    main.onChange(ui::PitchBox, command(&Session::manoeuvreChanged));
    main.onChange(ui::TrackBar1, command(&Session::turboPriorityChanged));
    main.onChange(ui::TrackBar2, command(&Session::superPriorityChanged));
    main.onPress(ui::NextSlotButton, command(&Session::nextSlot));
    main.onPress(ui::PrevSlotButton, command(&Session::previousSlot));
    main.onPress(ui::SelectEXEFile1, command(&Session::selectExeFile));
    main.onPress(ui::Exit1, action([this] { endNow(0); }));
    main.onPress(ui::About1, command(&Session::about));
    main.onPress(ui::Contents1, action([this] { m_prompter.showHelp(""); }));
    main.onPress(ui::Introduction1, action([this] { m_prompter.showHelp("introduction"); }));
    main.onPress(ui::HowtoUseHelp1, action([this] { m_prompter.showHelp("how-to-use-help"); }));
    // The project has no web page of its own; the logo opens the help's home page instead.
    main.onPress(ui::LogoImage, action([this] { m_prompter.showHelp(""); }));
    main.onPress(ui::INTCockpitEditor1, command(&Session::showCockpitEditor));
    main.onPress(ui::INTEditorButton, command(&Session::showCockpitEditor));
    main.onPress(ui::WeaponsEditor1, command(&Session::showWeaponEditor));
    for (ControlKey key : {ui::Openship1, ui::OpenShipTool})
        main.onPress(key, command(&Session::openShip));
    for (ControlKey key : {ui::Saveshipas1, ui::SaveShipTool})
        main.onPress(key, command(&Session::saveShip));
    main.onPress(ui::Copyship1, command(&Session::copyShip));
    main.onPress(ui::Pasteship1, command(&Session::pasteShip));
    main.onPress(ui::Pasteshiptypeonly1, command(&Session::pasteShipTypeOnly));
    main.onPress(ui::UndoWrite1, action([this] { undo(1, true); }));
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
        error("The game folder is in use by another PLORIK.\r\rNothing was written.");
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
