#pragma once

#include "WidgetBinder.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QWidget;

namespace plorik::gui {

// The standard clipboard commands on the focused text box: the Edit menu's "Cu&t" and "&Copy" and
// the tool bar's Copy, Cut and Paste. The tool buttons are on only while they can act.
class ClipboardTools : public QObject {
    Q_OBJECT

public:
    explicit ClipboardTools(WidgetBinder& binder, QObject* parent = nullptr);

    // The focused line edit or memo (an editable list's line edit counts), or nullptr.
    static QWidget* focusedTextBox();
    static bool canCopy(const QWidget* box);
    static bool canCut(const QWidget* box);
    static bool canPaste(const QWidget* box);

    void copy();
    void cut();
    void paste();

private:
    void watch(QWidget* box);
    void refreshTools();

    WidgetBinder& m_binder;
    QPointer<QWidget> m_watched;
    QMetaObject::Connection m_selection;
};

} // namespace plorik::gui
