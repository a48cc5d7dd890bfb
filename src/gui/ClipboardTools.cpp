#include "ClipboardTools.h"

#include "controls/MainWindowControls.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>

namespace plorik::gui {

ClipboardTools::ClipboardTools(WidgetBinder& binder, QObject* parent) : QObject(parent), m_binder(binder)
{
    m_binder.setEnabledCondition(controls::CopyTool, [] { return canCopy(focusedTextBox()); });
    m_binder.setEnabledCondition(controls::CutTool, [] { return canCut(focusedTextBox()); });
    m_binder.setEnabledCondition(controls::PasteTool, [] { return canPaste(focusedTextBox()); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget*) {
        watch(focusedTextBox());
        refreshTools();
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &ClipboardTools::refreshTools);
    // The menu items and tool buttons keep their form commands; the clipboard work is done here.
    // (The window has made the actions already; `parent` is only asked for one it has not.)
    connect(m_binder.action(controls::CutItem, parent), &QAction::triggered, this, &ClipboardTools::cut);
    connect(m_binder.action(controls::CopyItem, parent), &QAction::triggered, this, &ClipboardTools::copy);
    connect(m_binder.action(controls::CutTool, parent), &QAction::triggered, this, &ClipboardTools::cut);
    connect(m_binder.action(controls::CopyTool, parent), &QAction::triggered, this, &ClipboardTools::copy);
    connect(m_binder.action(controls::PasteTool, parent), &QAction::triggered, this, &ClipboardTools::paste);
}

QWidget* ClipboardTools::focusedTextBox()
{
    QWidget* focused = QApplication::focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(focused))
        return combo->isEditable() ? combo->lineEdit() : nullptr;
    if (qobject_cast<QLineEdit*>(focused) || qobject_cast<QPlainTextEdit*>(focused))
        return focused;
    return nullptr;
}

bool ClipboardTools::canCopy(const QWidget* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->hasSelectedText() && line->echoMode() == QLineEdit::Normal;
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(box))
        return memo->textCursor().hasSelection();
    return false;
}

bool ClipboardTools::canCut(const QWidget* box)
{
    if (!canCopy(box) || !box->isEnabled())
        return false;
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return !line->isReadOnly();
    return !static_cast<const QPlainTextEdit*>(box)->isReadOnly();
}

bool ClipboardTools::canPaste(const QWidget* box)
{
    if (!box || !box->isEnabled())
        return false;
    const auto* line = qobject_cast<const QLineEdit*>(box);
    const bool readOnly = line ? line->isReadOnly() : static_cast<const QPlainTextEdit*>(box)->isReadOnly();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return !readOnly && data && data->hasText() && !data->text().isEmpty();
}

void ClipboardTools::copy()
{
    QWidget* box = focusedTextBox();
    if (!canCopy(box))
        return;
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->copy();
    else
        static_cast<QPlainTextEdit*>(box)->copy();
}

void ClipboardTools::cut()
{
    // A read-only box keeps its text: nothing is cut from it.
    QWidget* box = focusedTextBox();
    if (!canCut(box))
        return;
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->cut();
    else
        static_cast<QPlainTextEdit*>(box)->cut();
}

void ClipboardTools::paste()
{
    QWidget* box = focusedTextBox();
    if (!canPaste(box))
        return;
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->paste();
    else
        static_cast<QPlainTextEdit*>(box)->paste();
}

void ClipboardTools::watch(QWidget* box)
{
    if (box == m_watched)
        return;
    disconnect(m_selection);
    m_watched = box;
    if (auto* line = qobject_cast<QLineEdit*>(box))
        m_selection = connect(line, &QLineEdit::selectionChanged, this, &ClipboardTools::refreshTools);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(box))
        m_selection = connect(memo, &QPlainTextEdit::selectionChanged, this, &ClipboardTools::refreshTools);
}

void ClipboardTools::refreshTools()
{
    for (ControlKey key : {controls::CopyTool, controls::CutTool, controls::PasteTool})
        m_binder.refresh(key);
}

} // namespace plorik::gui
