#pragma once

#include "form/Control.h"
#include "form/ControlEntry.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// The state of every control of one window. Commands read and write the form, never widgets; the
// window copies the form to its widgets and the user's edits back into it.
//
// Two ways to change a control: through Control's setters (what a command does: no handler runs)
// or through the user methods below (typing, picking, ticking, sliding, pressing), which run the
// control's change or command handler exactly as the widget's event would.
class Form {
public:
    explicit Form(std::string caption) : m_caption(std::move(caption)) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& caption() const { return m_caption; }
    // Whether the window is on screen (editor windows are created hidden and shown by commands).
    bool shown() const { return m_shown; }
    void setShown(bool shown)
    {
        if (shown != m_shown) {
            m_shown = shown;
            ++m_ownRevision;
        }
    }

    // A control as its catalogue declares it, in its design-time state. The control refers to the
    // entry, which must outlive the form: a catalogue constant, not a temporary.
    Control& add(const ControlEntry& entry);
    Control& add(ControlEntry&&) = delete;
    bool has(ControlKey key) const;
    // Throws std::out_of_range for a control the window does not have.
    Control& operator[](ControlKey key);
    const Control& operator[](ControlKey key) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return m_controls; }

    using Handler = std::function<void()>;
    void onChange(ControlKey key, Handler handler);
    void onPress(ControlKey key, Handler handler);

    // The user's own edits. Each returns false (and changes nothing) when the control is disabled
    // or the value does not apply to it.
    bool userEdit(ControlKey key, std::string text);
    bool userPick(ControlKey key, int index);
    bool userCheck(ControlKey key, bool checked);
    bool userSlide(ControlKey key, int position);
    bool userEditCell(ControlKey key, std::size_t row, std::size_t column, std::string text);
    // Whether a press would reach the control: it takes presses and is enabled, and a context-menu
    // item's box is enabled too.
    bool canPress(ControlKey key) const;
    bool userPress(ControlKey key);

    // Grows whenever any control changes.
    std::uint64_t revision() const;

private:
    void changed(ControlKey key);
    const Control* find(std::string_view name) const;
    std::string m_caption;
    bool m_shown = false;
    std::uint64_t m_ownRevision = 0;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::map<std::string, Control*, std::less<>> m_byKey;
    std::map<std::string, Handler, std::less<>> m_changeHandlers;
    std::map<std::string, Handler, std::less<>> m_pressHandlers;
};

} // namespace plorik
