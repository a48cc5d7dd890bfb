#include "session/Session.h"

#include "controls/MainWindowControls.h"
#include "gamefiles/OptList.h"
#include "inspect/InspectionError.h"

namespace plorik {

void Session::wireInspectionCommands()
{
    Form& main = *m_main;
    // A damaged model file or a refused command says what is wrong in a "PLORIK error:" box; every
    // other failure goes to the standard error box, as for every command.
    const auto inspection = [this](std::function<void()> handler) {
        return [this, handler = std::move(handler)] {
            run([this, &handler] {
                try {
                    handler();
                } catch (const InspectionError& refused) {
                    error(refused.what());
                }
            });
        };
    };
    main.onChange(controls::MeshList, inspection([this] { m_opt.selectMesh(*m_main); }));
    main.onChange(controls::HardpointList, inspection([this] { m_opt.selectHardpoint(*m_main); }));
    // The two writes patch the model file in the game folder: refused while another PLORIK holds it,
    // and while the slot is not fully shown (the page may name another slot's model).
    main.onPress(controls::WriteMeshTypeButton, inspection([this] {
                     if (refusedWhileNotShown())
                         return;
                     const auto lock = lockGameFolder();
                     if (lock)
                         m_opt.writeMeshType(*m_main, recorder(std::string(controls::WriteMeshTypeButton.caption)));
                 }));
    main.onPress(controls::WriteHardpointButton, inspection([this] {
                     if (refusedWhileNotShown())
                         return;
                     const auto lock = lockGameFolder();
                     if (lock)
                         m_opt.writeHardpoint(*m_main, recorder(std::string(controls::WriteHardpointButton.caption)));
                 }));
    main.onPress(controls::AddNewOptItem, inspection([this] {
                     (*m_main)[controls::OptListFileBox].setText(kUnknownOptList);
                     m_prompter.message(
                         {"PLORIK note:",
                          "The OPT list file has now been set to unknown. This will force PLORIK to assign a new opt "
                          "entry for this craft. In this way you can enable a craft that does not have a proper opt "
                          "index, like the BOP *tienew crafts.",
                          MessageIcon::Information, MessageButtons::Ok, Answer::Ok});
                 }));
    const auto slot = [this] { return ValueSearch::Slot{*m_profile, m_slot, executablePath()}; };
    main.onPress(controls::FindButton, inspection([this, slot] {
                     if (m_profile)
                         m_search.find(*m_main, slot());
                 }));
    main.onPress(controls::CompareButton, inspection([this, slot] {
                     if (m_profile)
                         m_search.compare(*m_main, slot());
                 }));
}

// Its failures are reported here, so that the command that showed the slot (a start-up, a ship file
// load) goes on: the slot itself is fully shown.
void Session::refillOptInformation()
{
    try {
        m_opt.refill(*m_main, m_gameDir);
    } catch (const InspectionError& damaged) {
        error(damaged.what());
    } catch (const std::exception& failure) {
        m_prompter.message({"PLORIK", failure.what(), MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
    }
}

} // namespace plorik
