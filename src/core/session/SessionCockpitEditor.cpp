#include "session/Session.h"

#include "cockpit/CockpitEditor.h"
#include "cockpit/CockpitParts.h"
#include "controls/CockpitEditorControls.h"

namespace plorik {

void Session::wireCockpitEditor()
{
    namespace c = controls::cockpit;
    Form& cockpit = *m_cockpit;
    // The editor exists once the start-up has loaded a profile; before that its commands do nothing.
    const auto command = [this](std::function<void(CockpitEditor&)> handler) {
        return [this, handler = std::move(handler)] {
            run([this, &handler] {
                if (m_cockpitEditor)
                    handler(*m_cockpitEditor);
            });
        };
    };
    cockpit.onChange(c::CockpitFileBox, command(&CockpitEditor::load));
    cockpit.onChange(c::CockpitPartsBox, command(&CockpitEditor::choosePart));
    cockpit.onPress(c::SaveCPButton, command([this](CockpitEditor& editor) {
                        if (const auto lock = lockGameFolder())
                            editor.save();
                    }));
    std::vector<c::ImageNameBox> names;
    for (const c::ImageRecordBoxes& record : c::kImageRecords)
        names.push_back(record.name);
    names.push_back(c::kPanelName);
    for (const c::ImageNameBox& name : names) {
        const CockpitKey box = *name.box;
        cockpit.onPress(*name.browse, command([box](CockpitEditor& editor) { editor.browse(box); }));
        for (const CockpitControl* word : {name.impMirror, name.rebMirror, name.standard}) {
            const std::string_view caption = word->caption;
            cockpit.onPress(*word,
                            command([box, caption](CockpitEditor& editor) { editor.putCodeWord(box, caption); }));
        }
    }
}

void Session::createCockpitEditor()
{
    std::vector<std::string> parts;
    for (const CockpitPart& part : cockpitParts())
        parts.push_back(part.name);
    (*m_cockpit)[controls::cockpit::CockpitPartsBox].setItems(std::move(parts));
    if (!m_profile)
        return;
    m_cockpitEditor = std::make_unique<CockpitEditor>(
        CockpitEditorContext{*m_cockpit, *m_main, m_prompter, *m_profile, m_gameDir,
                             recorder(std::string(controls::cockpit::SaveCPButton.caption))});
    m_cockpitEditor->create();
}

} // namespace plorik
