#include "GuiTestSupport.h"

#include "controls/MainWindowControls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTableWidget>

namespace plorik::gui {

namespace {

bool listShows(const Control& control, const QComboBox* combo)
{
    if (combo->count() != static_cast<int>(control.items().size()))
        return false;
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i) != toQt(control.items()[static_cast<std::size_t>(i)]))
            return false;
    }
    if (combo->isEditable())
        return combo->currentText() == toQt(control.text());
    return combo->currentIndex() == control.index();
}

bool gridShows(const Control& control, const QTableWidget* table)
{
    if (table->rowCount() != static_cast<int>(control.rowCount()) ||
        table->columnCount() != static_cast<int>(control.columnCount()))
        return false;
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem* item = table->item(row, column);
            const QString cell = toQt(control.cell(static_cast<std::size_t>(row), static_cast<std::size_t>(column)));
            if ((item ? item->text() : QString()) != cell)
                return false;
        }
    }
    return true;
}

bool shows(const Control& control, const QObject* object)
{
    if (const auto* action = qobject_cast<const QAction*>(object))
        return action->isEnabled() == control.enabled() || control.key() == controls::CopyTool ||
               control.key() == controls::CutTool || control.key() == controls::PasteTool;
    const auto* widget = qobject_cast<const QWidget*>(object);
    // A widget's own state: a control inside a disabled group is greyed by its group, not by itself.
    if (!widget || widget->testAttribute(Qt::WA_ForceDisabled) == control.enabled())
        return false;
    if (const auto* box = qobject_cast<const QLineEdit*>(widget))
        return box->text() == toQt(control.text());
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(widget))
        return memo->toPlainText() == memoToQt(control.text());
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return listShows(control, combo);
    if (const auto* list = qobject_cast<const QListWidget*>(widget))
        return list->count() == static_cast<int>(control.items().size()) && list->currentRow() == control.index();
    if (const auto* table = qobject_cast<const QTableWidget*>(widget))
        return gridShows(control, table);
    if (const auto* slider = qobject_cast<const QSlider*>(widget))
        return slider->value() == control.position();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return !button->isCheckable() || button->isChecked() == control.checked();
    if (control.kind() == ControlKind::Label)
        return static_cast<const QLabel*>(widget)->text() == toQt(control.text());
    return true;
}

} // namespace

Running::Running(testing::Family family, bool configured, const std::vector<std::string>& answers)
{
    testing::GameBuilder builder(family);
    if (!configured)
        builder.unconfigured();
    game = builder.build(dir.path());
    for (const std::string& answer : answers)
        prompter.addAnswer(answer);
    session = std::make_unique<Session>(game.programDir, prompter);
    windows = std::make_unique<WindowSet>(*session);
    window().show();
    session->start();
    windows->afterCommand();
}

QStringList formMismatches(const Form& form, const QWidget& window)
{
    QStringList keys;
    for (const auto& control : form.controls()) {
        const QString key = toQt(control->key().name());
        const QObject* object = window.findChild<QWidget*>(key);
        if (!object)
            object = window.findChild<QAction*>(key);
        if (!object || !shows(*control, object))
            keys << key;
    }
    return keys;
}

} // namespace plorik::gui
