#pragma once

#include "changes/FieldMarks.h"
#include "form/Form.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QEvent;
class QLabel;
class QWidget;

namespace plorik::gui {

// Ties one window's form to its widgets. Each control gets one widget (or, for menu items and tool
// buttons, one action) whose objectName is the control's key. The binder copies the form into the
// widgets (only the controls whose revision grew, with the widgets' signals blocked) and sends the
// user's edits into the form through its user methods, which run the core's handlers.
class WidgetBinder : public QObject {
    Q_OBJECT

public:
    explicit WidgetBinder(Form& form, QObject* parent = nullptr);

    Form& form() const { return m_form; }

    // The widget of a control, made on first use as a child of `parent`.
    QWidget* widget(ControlKey key, QWidget* parent);
    template <class T> T* widget(ControlKey key, QWidget* parent) { return qobject_cast<T*>(widget(key, parent)); }
    // The caption beside a control's widget, with the widget as its buddy; it is enabled and shown
    // with the control. Made on first use; a control without a caption gets an empty label.
    QLabel* caption(ControlKey key, QWidget* parent);
    // The unit text after a box ("SBD", "MGLT"); an empty label when the control has none.
    QLabel* unit(ControlKey key, QWidget* parent);
    // The action of a menu item or tool button.
    QAction* action(ControlKey key, QObject* parent);

    // A further condition on a control's enabled state, asked at every copy (clipboard tools that
    // need a selection). refresh() asks it again at once.
    void setEnabledCondition(ControlKey key, std::function<bool()> condition);
    void refresh(ControlKey key);

    // Copies every control that changed since its last copy into its widget.
    void sync();
    // Marks the labels of these controls (a grid's cells themselves): coloured and underlined, the
    // mark's text as their tooltip; every other label loses its mark.
    void showMarks(const std::vector<FieldMark>& marks);
    // The controls that have no widget yet (a window's layout must place every one of them).
    std::vector<ControlKey> unboundKeys() const;

    // Run after each of the user's edits has gone into the form (the window set copies every window
    // then and checks whether the program ended). Without one, the binder copies its own form.
    void setAfterEdit(std::function<void()> afterEdit) { m_afterEdit = std::move(afterEdit); }

private:
    struct Binding {
        Control* control = nullptr;
        QPointer<QObject> object;
        QPointer<QLabel> caption;
        QPointer<QLabel> unit;
        QPointer<QLabel> statusText;
        std::function<bool()> condition;
        std::uint64_t revision = 0; // 0: copy at the next sync whatever the control's revision
    };

    // A click on a picture is its command.
    bool eventFilter(QObject* watched, QEvent* event) override;

    Binding& binding(ControlKey key);
    QWidget* create(Binding& binding, QWidget* parent);
    QWidget* createList(Binding& binding, QWidget* parent);
    QWidget* createGrid(Binding& binding, QWidget* parent);
    QWidget* createValueWidget(Binding& binding, QWidget* parent);
    void apply(Binding& binding);
    void applyEnabled(Binding& binding);
    void applyLists(Binding& binding);
    void applyGrid(Binding& binding);
    // One edit of the user: the form call, then the copy back to every window.
    void userDid(ControlKey key, const std::function<void()>& edit);

    Form& m_form;
    std::map<std::string, Binding, std::less<>> m_bindings;
    std::function<void()> m_afterEdit;
};

} // namespace plorik::gui
