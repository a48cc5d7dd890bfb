// An OPT model file as slot 1's model in a started game: the Opt page is refilled, every mesh and
// hardpoint it lists is clicked, and both writes are pressed with what the page shows. A message or
// the system's error, never a crash, a hang, or a write that changes the file's size.
#include "DemoOptFiles.h"
#include "FuzzGame.h"

#include "controls/MainWindowControls.h"
#include "session/Session.h"

#include <memory>

using namespace plorik;

namespace {

void clickEverything(Form& form)
{
    const std::size_t meshes = form[controls::MeshList].items().size();
    for (std::size_t mesh = 0; mesh < meshes; ++mesh) {
        form.userPick(controls::MeshList, static_cast<int>(mesh));
        const std::size_t hardpoints = form[controls::HardpointList].items().size();
        for (std::size_t hardpoint = 0; hardpoint < hardpoints; ++hardpoint)
            form.userPick(controls::HardpointList, static_cast<int>(hardpoint));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzzing::FuzzGame fuzz(testing::Family::Xwa);
    static const std::filesystem::path model =
        *testing::modelPath(testing::GameBuilder(testing::Family::Xwa), fuzz.game().gameDir, 1);
    static fuzzing::AnsweringPrompter prompter;
    static const auto session = [] {
        auto started = std::make_unique<Session>(fuzz.game().programDir, prompter);
        started->start();
        return started;
    }();
    fuzz.put(model, data, size);
    Form& form = session->mainForm();
    // Away and back: the display of slot 1 refills the page from the new file.
    form.userPress(controls::NextSlotButton);
    form.userPress(controls::PrevSlotButton);
    clickEverything(form);
    if (!form[controls::MeshList].items().empty()) {
        form.userPick(controls::MeshList, 0);
        form.userPress(controls::WriteMeshTypeButton);
        if (!form[controls::HardpointList].items().empty()) {
            form.userPick(controls::HardpointList, 0);
            form.userPress(controls::WriteHardpointButton);
        }
    }
    if (std::filesystem::file_size(model) != size)
        __builtin_trap(); // a write reached past the file's end
    prompter.clearRecords();
    fuzz.restore();
    return 0;
}
