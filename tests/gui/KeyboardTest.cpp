// Keyboard and assistive access: every control is reached with Tab, in the order of the layout,
// and has a name that assistive tools can read out.
#include "GuiTestSupport.h"
#include "controls/MainWindowControls.h"

#include "EditorWindows.h"

#include <QAccessible>
#include <QApplication>
#include <QTabWidget>
#include <QtTest>

#include <set>

using plorik::testing::Family;

namespace plorik::gui {

namespace {

// The controls of a form that a user can put the focus on at the moment.
std::set<QWidget*> focusableControls(const Form& form, QWidget& window)
{
    std::set<QWidget*> widgets;
    for (const auto& control : form.controls()) {
        auto* widget = window.findChild<QWidget*>(toQt(control->key().name()));
        if (widget && widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus))
            widgets.insert(widget);
    }
    return widgets;
}

// The widgets that Tab visits, from `first` until the focus comes back to it.
QList<QWidget*> tabCycle(QWidget* first)
{
    QList<QWidget*> visited;
    first->setFocus(Qt::TabFocusReason);
    for (int presses = 0; presses < 400; ++presses) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused || (presses > 0 && focused == first))
            break;
        visited << focused;
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    return visited;
}

QString accessibleName(QObject* object)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void tabReachesEveryControlOfEveryPage();
    void tabFollowsTheLayout();
    void controlsAndMenuItemsHaveAccessibleNames();
};

void KeyboardTest::tabReachesEveryControlOfEveryPage()
{
    Running run(Family::Xvt);
    MainWindow& window = run.window();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTabWidget* pages = window.pages();
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        const QList<QWidget*> visited = tabCycle(run.find<QWidget>(controls::CraftNoBox));
        for (QWidget* widget : focusableControls(run.session->mainForm(), window))
            QVERIFY2(visited.contains(widget),
                     qPrintable(pages->tabText(i) + QStringLiteral(": ") + widget->objectName()));
    }
    // The cockpit editor's controls are off until an INT file is loaded.
    for (EditorWindow* editor : {&run.windows->weaponEditor()}) {
        editor->show();
        QApplication::setActiveWindow(editor);
        QVERIFY(QTest::qWaitForWindowActive(editor));
        const std::set<QWidget*> controls = focusableControls(editor->binder().form(), *editor);
        QVERIFY(controls.size() > 3);
        const QList<QWidget*> visited = tabCycle(*controls.begin());
        for (QWidget* widget : controls)
            QVERIFY2(visited.contains(widget),
                     qPrintable(editor->objectName() + QStringLiteral(": ") + widget->objectName()));
    }
}

void KeyboardTest::tabFollowsTheLayout()
{
    Running run(Family::Xvt);
    QApplication::setActiveWindow(&run.window());
    QVERIFY(QTest::qWaitForWindowActive(&run.window()));
    QStringList names;
    for (QWidget* widget : tabCycle(run.find<QWidget>(controls::CraftNoBox)).mid(0, 10))
        names << widget->objectName();
    // The slot controls left to right ("Write to Shiplist.txt" is off for XvT), the identity of the
    // game, the pages, then the first page from its top left.

    QCOMPARE(names,
             (QStringList{"CraftNoBox", "PrevSlotButton", "NextSlotButton", "Button3", "GameVersionBox", "CraftIDBox",
                          "CraftnameBox2", "GameDirBox", "qt_tabwidget_tabbar", "ShieldPowerBox"}));
}

void KeyboardTest::controlsAndMenuItemsHaveAccessibleNames()
{
    Running run(Family::Xvt);
    QStringList unnamed;
    for (const auto& control : run.session->mainForm().controls()) {
        const QString key = toQt(control->key().name());
        if (auto* widget = run.window().findChild<QWidget*>(key)) {
            if (accessibleName(widget).isEmpty())
                unnamed << key;
        }
    }
    QCOMPARE(unnamed, QStringList());
    // Buttons and menu items say their caption, without the "&" of the shortcut letter.
    QCOMPARE(accessibleName(run.find<QWidget>(controls::PrevSlotButton)), QStringLiteral("-"));
    QCOMPARE(accessibleName(run.find<QWidget>(controls::Shiplistwrite)), QStringLiteral("Write to Shiplist.txt"));
    // On Linux an editable list reads out its text; its name stays with the widget and its label.
    QCOMPARE(run.find<QWidget>(controls::CraftNoBox)->accessibleName(), QStringLiteral("Craft No."));
    for (QAction* action : run.window().findChildren<QAction*>()) {
        if (!action->isSeparator() && !action->objectName().isEmpty())
            QVERIFY2(!action->iconText().isEmpty(), qPrintable(action->objectName()));
    }
}

} // namespace plorik::gui

#include "KeyboardTest.moc"

int runKeyboardTest(int argc, char** argv)
{
    plorik::gui::KeyboardTest test;
    return QTest::qExec(&test, argc, argv);
}
