#pragma once

#include "form/ControlEntry.h"
#include "form/Form.h"

#include <string>
#include <string_view>

namespace plorik {

// A control of one window: the catalogue declares each constant with its window's tag, so the
// type says which window has it.
template <class Window> struct WindowControl : ControlEntry {
};

// A key that only a constant of the same window converts to: a cockpit editor control used on the
// main window's form does not compile. named() takes a name from outside.
template <class Window> class WindowKey {
public:
    constexpr WindowKey(const WindowControl<Window>& entry) : m_key(entry) {}
    static constexpr WindowKey named(std::string_view name) { return WindowKey(ControlKey::named(name)); }
    constexpr std::string_view name() const { return m_key.name(); }
    constexpr operator ControlKey() const { return m_key; }
    friend constexpr bool operator==(WindowKey a, WindowKey b) { return a.m_key == b.m_key; }

private:
    constexpr explicit WindowKey(ControlKey key) : m_key(key) {}
    ControlKey m_key;
};

// One window's form: its own controls are reached with its own keys only. Code that works on any
// window by name (the widgets' binding, the command line) sees it as a Form.
template <class Window> class WindowForm : public Form {
public:
    using Key = WindowKey<Window>;
    using Form::Form;

    Control& add(const WindowControl<Window>& entry) { return Form::add(entry); }
    Control& add(WindowControl<Window>&&) = delete;
    bool has(Key key) const { return Form::has(key); }
    Control& operator[](Key key) { return Form::operator[](key); }
    const Control& operator[](Key key) const { return Form::operator[](key); }

    void onChange(Key key, Handler handler) { Form::onChange(key, std::move(handler)); }
    void onPress(Key key, Handler handler) { Form::onPress(key, std::move(handler)); }
    bool userEdit(Key key, std::string text) { return Form::userEdit(key, std::move(text)); }
    bool userPick(Key key, int index) { return Form::userPick(key, index); }
    bool userCheck(Key key, bool checked) { return Form::userCheck(key, checked); }
    bool userSlide(Key key, int position) { return Form::userSlide(key, position); }
    bool userEditCell(Key key, std::size_t row, std::size_t column, std::string text)
    {
        return Form::userEditCell(key, row, column, std::move(text));
    }
    bool canPress(Key key) const { return Form::canPress(key); }
    bool userPress(Key key) { return Form::userPress(key); }
};

} // namespace plorik
