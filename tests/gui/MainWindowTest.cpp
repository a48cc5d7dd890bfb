// The real windows on built games: every control has its widget, the widgets show the forms, the
// user's clicks and keys reach the session, and the program ends when the session does.
#include "GuiTestSupport.h"

#include "controls/MainWindowControls.h"

#include "ChangesDialog.h"
#include "ClipboardTools.h"
#include "EditorWindows.h"
#include "SplashWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextCursor>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

using plorik::testing::Family;

namespace plorik::gui {

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasOneWidget_data() { families(); }
    void everyControlHasOneWidget();
    void pagesMenusAndToolBar();
    void enabledAtConfiguredStart_data() { families(); }
    void enabledAtConfiguredStart();
    void enabledAtUnconfiguredStart();
    void splashClosesWithTheFirstTimeNotice_data();
    void splashClosesWithTheFirstTimeNotice();
    void slotButtonsStepAndWrap_data() { families(); }
    void slotButtonsStepAndWrap();
    void typingACraftNumber();
    void editsReachTheForm();
    void clipboardActsOnTheFocusedBox();
    void textTheGameCannotHoldIsRefused();
    void editorWindowsFollowTheirForms();
    void exitAndClosingEndTheProgram();
    void showChangesListsWhatWasWritten();
    void markersFollowWritesAndMarkChanges();

private:
    static void families()
    {
        QTest::addColumn<Family>("family");
        QTest::newRow("XvT") << Family::Xvt;
        QTest::newRow("XWA") << Family::Xwa;
    }
};

void MainWindowTest::everyControlHasOneWidget()
{
    QFETCH(Family, family);
    Running run(family);
    const auto checkWindow = [](Form& form, QWidget& window) {
        for (const auto& control : form.controls()) {
            const QString key = toQt(control->key().name());
            const auto widgets = window.findChildren<QWidget*>(key);
            const auto actions = window.findChildren<QAction*>(key);
            const bool action = control->kind() == ControlKind::MenuItem || control->kind() == ControlKind::ToolButton;
            QVERIFY2(widgets.size() + actions.size() == 1, qPrintable(key));
            QVERIFY2(actions.size() == (action ? 1 : 0), qPrintable(key));
        }
    };
    checkWindow(run.session->mainForm(), run.window());
    checkWindow(run.session->cockpitForm(), run.windows->cockpitEditor());
    checkWindow(run.session->weaponForm(), run.windows->weaponEditor());
    QCOMPARE(run.window().windowTitle(), QStringLiteral("PLORIK Version 4.2 updated 05 April, 2019"));

    // What the widgets show is what the forms hold, also after the slot changed.
    QCOMPARE(formMismatches(run.session->mainForm(), run.window()), QStringList());
    QTest::mouseClick(run.find<QPushButton>(controls::NextSlotButton), Qt::LeftButton);
    QCOMPARE(run.session->currentSlot(), 2);
    QCOMPARE(formMismatches(run.session->mainForm(), run.window()), QStringList());
    QCOMPARE(formMismatches(run.session->weaponForm(), run.windows->weaponEditor()), QStringList());

    // The hidden box is there but not shown; captions go grey with their controls.
    QVERIFY(run.find<QLineEdit>(controls::BeamRechargeBox)->isHidden());
    for (QLabel* caption : run.window().findChildren<QLabel*>()) {
        if (caption->objectName().startsWith(QStringLiteral("caption:")) && caption->buddy())
            QVERIFY2(caption->isEnabled() == caption->buddy()->isEnabled(), qPrintable(caption->objectName()));
    }
}

void MainWindowTest::pagesMenusAndToolBar()
{
    Running run(Family::Xvt);
    QTabWidget* pages = run.window().pages();
    QStringList tabs;
    for (int i = 0; i < pages->count(); ++i)
        tabs << pages->tabText(i);
    QCOMPARE(tabs, QStringList({"Statistics", "Descriptions", "Weaponry", "Wpn. Slots", "Development", "Opt", "Cockpit",
                                "Unknown"}));
    QCOMPARE(pages->currentIndex(), 0);

    // Menus: captions in order, items in order with their separators ("-").
    const auto entries = [](const QList<QAction*>& actions) {
        QStringList texts;
        for (const QAction* action : actions)
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    };
    const QList<QAction*> menus = run.window().menuBar()->actions();
    QCOMPARE(entries(menus), QStringList({"&File", "&Edit", "E&ditors", "&Images", "&Help"}));
    QCOMPARE(
        entries(menus[0]->menu()->actions()),
        QStringList({"&Open Ship..", "&Save Ship as..", "Save as Single ZT..", "-", "Export Table..", "Import Table..",
                     "-", "Export Hook File..", "Import Hook File..", "-", "Select EXE File..", "-", "E&xit"}));
    QCOMPARE(entries(menus[1]->menu()->actions()), QStringList({"Undo Write", "-", "Cu&t", "&Copy", "&Paste", "-",
                                                                "Copy Ship", "Paste Ship", "Paste Shiptype Only"}));
    QCOMPARE(entries(menus[3]->menu()->actions()),
             QStringList({"Create Backup Image", "Recreate from Image", "-", "Recreate Single Slot", "-",
                          "Make ZT Package", "Make XWA ZT Package", "-", "Show Changes", "Mark Changes"}));
    QCOMPARE(entries(menus[4]->menu()->actions()),
             QStringList({"&Contents", "&Topic", "&Tutorial", "&How to Use Help", "Introduction", "-", "&About..."}));
    QCOMPARE(run.action(controls::OpenShipItem)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(run.action(controls::ContentsItem)->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(run.action(controls::UndoWriteItem)->shortcut(), QKeySequence(QKeySequence::Undo));

    // The tool bar: open, save | Copy, Cut, Paste | the last button; each with its hint.
    QStringList tools;
    for (const QAction* action : run.window().findChild<QToolBar*>()->actions()) {
        tools << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        QVERIFY(action->isSeparator() || !action->toolTip().isEmpty());
    }
    QCOMPARE(tools,
             QStringList({"OpenShipTool", "SaveShipTool", "-", "CopyTool", "CutTool", "PasteTool", "-", "LastTool"}));

    // The "OPT File:" box's context menu holds "Add New Opt" alone.
    auto* optFile = run.find<QLineEdit>(controls::DBOPTFile);
    emit optFile->customContextMenuRequested(QPoint(4, 4));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->actions(), QList<QAction*>({run.action(controls::AddNewOptItem)}));
    QCOMPARE(run.action(controls::AddNewOptItem)->text(), QStringLiteral("Add New Opt"));
    menu->close();
}

void MainWindowTest::enabledAtConfiguredStart()
{
    QFETCH(Family, family);
    Running run(family);
    const bool xvt = family == Family::Xvt;
    QCOMPARE(run.find<QPushButton>(controls::INTEditorButton)->isEnabled(), xvt);
    QCOMPARE(run.action(controls::IntCockpitEditorItem)->isEnabled(), xvt);
    for (ControlKey off : {controls::PasteItem, controls::XwaZtPackageItem, controls::PasteShipItem})
        QVERIFY2(!run.action(off)->isEnabled(), off.name().data());
    for (ControlKey on : {controls::OpenShipItem, controls::SaveShipAsItem, controls::SaveAsZtItem,
                          controls::SelectExeFileItem, controls::CopyShipItem, controls::WeaponsEditorItem,
                          controls::OpenShipTool, controls::SaveShipTool, controls::LastTool})
        QVERIFY2(run.action(on)->isEnabled(), on.name().data());
    for (ControlKey on : {controls::PrevSlotButton, controls::NextSlotButton, controls::WriteButton})
        QVERIFY2(run.find<QWidget>(on)->isEnabled(), on.name().data());
    QCOMPARE(run.session->currentSlot(), 1);
    QCOMPARE(run.find<QComboBox>(controls::CraftNoBox)->currentText(),
             toQt(run.session->mainForm()[controls::CraftNoBox].text()));
    QCOMPARE(run.find<QLineEdit>(controls::GameDirBox)->text(), toQt(run.session->gameDir()));
}

void MainWindowTest::enabledAtUnconfiguredStart()
{
    Running run(Family::Xvt, false);
    for (ControlKey off : {controls::PrevSlotButton, controls::WriteButton, controls::NextSlotButton})
        QVERIFY2(!run.find<QWidget>(off)->isEnabled(), off.name().data());
    for (ControlKey off : {controls::OpenShipItem, controls::SaveShipAsItem, controls::SaveAsZtItem,
                           controls::OpenShipTool, controls::SaveShipTool, controls::LastTool})
        QVERIFY2(!run.action(off)->isEnabled(), off.name().data());
    // Every menu still opens; the way forward is on.
    for (QAction* menu : run.window().menuBar()->actions())
        QVERIFY(menu->isEnabled());
    QVERIFY(run.action(controls::SelectExeFileItem)->isEnabled());
    QCOMPARE(run.find<QLineEdit>(controls::GameDirBox)->text(), QStringLiteral("n/a"));
    QCOMPARE(run.find<QPlainTextEdit>(controls::GameVersionBox)->toPlainText(), QStringLiteral("None selected"));
}

void MainWindowTest::splashClosesWithTheFirstTimeNotice_data()
{
    QTest::addColumn<bool>("configured");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("first start, Cancel") << false << "cancel" << true;
    QTest::newRow("first start, OK") << false << "ok" << false;
    QTest::newRow("configured") << true << "" << false;
}

void MainWindowTest::splashClosesWithTheFirstTimeNotice()
{
    QFETCH(bool, configured);
    QFETCH(QString, answer);
    QFETCH(bool, ends);
    Running run(Family::Xvt, configured, {answer.toStdString()});
    const std::size_t before = run.prompter.records().size();
    QSignalSpy finished(run.windows.get(), &WindowSet::finished);
    run.windows->showSplash();
    SplashWindow* splash = run.windows->splash();
    QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(splash->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QTRY_VERIFY(splash->finished()); // the first timer tick
    QVERIFY(splash->isHidden());

    QStringList captions;
    for (const auto& record : run.prompter.records())
        captions << toQt(record.message.caption);
    if (configured) {
        QCOMPARE(run.prompter.records().size(), before); // nothing to ask
    } else {
        // The start-up tip comes first, the notice when the splash closes.
        QCOMPARE(captions, QStringList({"PLORIK tip:", "PLORIK first time notice"}));
        QCOMPARE(run.prompter.records().back().message.buttons, MessageButtons::OkCancel);
    }
    QCOMPARE(run.session->ended(), ends);
    QCOMPARE(finished.size(), ends ? 1 : 0);
    QCOMPARE(run.window().isVisible(), !ends);
    if (ends)
        QCOMPARE(finished.front().front().toInt(), 0);
}

void MainWindowTest::slotButtonsStepAndWrap()
{
    QFETCH(Family, family);
    Running run(family);
    auto* craftNo = run.find<QComboBox>(controls::CraftNoBox);
    const auto shown = [&] { return fromQt(craftNo->currentText()); };
    QVERIFY(craftNo->currentText().trimmed().startsWith(QLatin1Char('1')));
    QTest::mouseClick(run.find<QPushButton>(controls::NextSlotButton), Qt::LeftButton);
    QCOMPARE(run.session->currentSlot(), 2);
    QCOMPARE(shown(), run.session->mainForm()[controls::CraftNoBox].text());
    QVERIFY(craftNo->currentText().trimmed().startsWith(QLatin1Char('2')));
    QTest::mouseClick(run.find<QPushButton>(controls::PrevSlotButton), Qt::LeftButton);
    QTest::mouseClick(run.find<QPushButton>(controls::PrevSlotButton), Qt::LeftButton);
    const auto last = static_cast<std::int32_t>(run.session->mainForm()[controls::CraftNoBox].items().size());
    QCOMPARE(run.session->currentSlot(), last); // slot 1 wraps to the last
    QCOMPARE(shown(), run.session->mainForm()[controls::CraftNoBox].text());
    QTest::mouseClick(run.find<QPushButton>(controls::NextSlotButton), Qt::LeftButton);
    QCOMPARE(run.session->currentSlot(), 1);
}

void MainWindowTest::typingACraftNumber()
{
    Running run(Family::Xvt);
    QLineEdit* box = run.find<QComboBox>(controls::CraftNoBox)->lineEdit();
    box->selectAll();
    QTest::keyClicks(box, "12");
    QCOMPARE(run.session->currentSlot(), 12);
    // The box keeps what was typed and where the cursor is.
    QCOMPARE(box->text(), QStringLiteral("12"));
    QCOMPARE(box->cursorPosition(), 2);
    QCOMPARE(formMismatches(run.session->mainForm(), run.window()), QStringList());

    // Picking from the list goes to that slot.
    auto* combo = run.find<QComboBox>(controls::CraftNoBox);
    const int pick = 4;
    combo->setCurrentIndex(pick);
    emit combo->activated(pick);
    QCOMPARE(run.session->currentSlot(), pick + 1);
}

void MainWindowTest::editsReachTheForm()
{
    Running run(Family::Xvt);
    Form& form = run.session->mainForm();

    auto* value = run.find<QLineEdit>(controls::ValueBox);
    QTest::keyClicks(value, "44");
    QCOMPARE(form[controls::ValueBox].text(), std::string("44"));

    auto* comment = run.find<QPlainTextEdit>(controls::PatchCommentMemo);
    QTest::keyClicks(comment, "one");
    QTest::keyClick(comment, Qt::Key_Return);
    QTest::keyClicks(comment, "two");
    QCOMPARE(form[controls::PatchCommentMemo].text(), std::string("one\r\ntwo"));

    // Whichever check boxes the slot leaves on take their clicks.
    int clicked = 0;
    for (const auto& control : form.controls()) {
        if (control->kind() != ControlKind::CheckBox || !control->enabled())
            continue;
        const bool was = control->checked();
        auto* box = run.find<QCheckBox>(std::string(control->key().name()).c_str());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        QVERIFY2(control->checked() != was, std::string(control->key().name()).c_str());
        ++clicked;
    }
    QVERIFY(clicked > 0);

    auto* work = run.find<QComboBox>(controls::WorkOnList);
    work->setCurrentIndex(1);
    emit work->activated(1);
    QCOMPARE(form[controls::WorkOnList].text(), std::string("Shiptype block"));

    // A track bar moved by its keys (X-Wing Alliance has them; X-Wing vs. TIE Fighter keeps them off),
    // and the box beside it follows.
    QVERIFY(!form[controls::TurboFirePriorityBar].enabled() && !form[controls::SuperFirePriorityBar].enabled());
    Running xwa(Family::Xwa);
    Form& xwaForm = xwa.session->mainForm();
    for (const auto& [key, box] : {std::pair{controls::TurboFirePriorityBar, controls::TurboFirePri},
                                   std::pair{controls::SuperFirePriorityBar, controls::SupFirePri}}) {
        QVERIFY(xwaForm[key].enabled());
        auto* slider = xwa.find<QSlider>(key);
        const int before = slider->value();
        slider->setFocus();
        QTest::keyClick(slider, before < 200 ? Qt::Key_PageUp : Qt::Key_PageDown);
        QVERIFY(slider->value() != before);
        QCOMPARE(xwaForm[key].position(), slider->value());
        QCOMPARE(xwaForm[box].text(), std::to_string(slider->value()));
        QCOMPARE(xwa.find<QLineEdit>(box)->text(), QString::number(slider->value()));
    }

    // A grid edit lands in its cell; the fixed row and column cannot be edited.
    auto* grid = run.find<QTableWidget>(controls::WeaponSlotsGrid);
    QVERIFY(!(grid->item(0, 1)->flags() & Qt::ItemIsEditable));
    QVERIFY(!(grid->item(1, 0)->flags() & Qt::ItemIsEditable));
    QVERIFY(grid->item(1, 1)->flags() & Qt::ItemIsEditable);
    grid->item(1, 1)->setText(QStringLiteral("77"));
    QCOMPARE(form[controls::WeaponSlotsGrid].cell(1, 1), std::string("77"));
    // The byte grid only shows.
    QVERIFY(!(run.find<QTableWidget>(controls::HexGrid)->item(1, 1)->flags() & Qt::ItemIsEditable));
    // On the Unknown page only the values take edits.
    auto* unknown = run.find<QTableWidget>(controls::FreeValuesGrid);
    for (int column = 1; column < unknown->columnCount(); ++column)
        QCOMPARE(bool(unknown->item(1, column)->flags() & Qt::ItemIsEditable), column == 2);

    // A radio button clears the others of its group.
    if (form[controls::FemaleRadioB].enabled()) {
        QTest::mouseClick(run.find<QWidget>(controls::FemaleRadioB), Qt::LeftButton);
        QVERIFY(form[controls::FemaleRadioB].checked());
        QVERIFY(!run.find<QAbstractButton>(controls::MaleRadioB)->isChecked());
    }
}

void MainWindowTest::clipboardActsOnTheFocusedBox()
{
    Running run(Family::Xvt);
    run.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&run.window()));
    QApplication::clipboard()->clear();
    QAction* copy = run.action(controls::CopyTool);
    QAction* cut = run.action(controls::CutTool);
    QAction* paste = run.action(controls::PasteTool);

    auto* value = run.find<QLineEdit>(controls::ValueBox);
    value->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), value);
    QTest::keyClicks(value, "1234");
    QVERIFY(!copy->isEnabled() && !cut->isEnabled() && !paste->isEnabled()); // no selection, empty clipboard
    value->selectAll();
    QVERIFY(copy->isEnabled() && cut->isEnabled());
    cut->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1234"));
    QCOMPARE(run.session->mainForm()[controls::ValueBox].text(), std::string()); // the cut reached the form
    QVERIFY(paste->isEnabled() && !cut->isEnabled());
    paste->trigger();
    QCOMPARE(run.session->mainForm()[controls::ValueBox].text(), std::string("1234"));

    // A read-only box can be copied from, not cut from or pasted into; the menu's cut leaves it.
    auto* gameDir = run.find<QLineEdit>(controls::GameDirBox);
    gameDir->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), gameDir);
    gameDir->selectAll();
    QVERIFY(copy->isEnabled() && !cut->isEnabled() && !paste->isEnabled());
    const QString before = gameDir->text();
    run.action(controls::CutItem)->trigger();
    QCOMPARE(gameDir->text(), before);
    run.action(controls::CopyItem)->trigger();
    QCOMPARE(QApplication::clipboard()->text(), before);
    QVERIFY(!run.action(controls::PasteItem)->isEnabled());
}

void MainWindowTest::textTheGameCannotHoldIsRefused()
{
    Running run(Family::Xvt);
    const std::filesystem::path strings = run.game.gameDir / "strings.txt";
    std::string expected = testing::readFile(strings);
    const QString outside = QStringLiteral("ő€");

    // Every box of every window refuses it whole and keeps what it had, its form too.
    for (QWidget* window : {static_cast<QWidget*>(&run.window()), static_cast<QWidget*>(&run.windows->cockpitEditor()),
                            static_cast<QWidget*>(&run.windows->weaponEditor())}) {
        for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
            if (box->isReadOnly())
                continue; // takes no input
            const QString had = box->text();
            box->end(false);
            box->insert(QStringLiteral("x") + outside);
            QVERIFY2(box->text() == had, qPrintable(box->objectName() + ": " + had + " -> " + box->text()));
        }
        for (QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>()) {
            const QString had = memo->toPlainText();
            memo->moveCursor(QTextCursor::End);
            memo->insertPlainText(QStringLiteral("x") + outside);
            QVERIFY2(memo->toPlainText() == had, qPrintable(memo->objectName()));
        }
        for (QTableWidget* grid : window->findChildren<QTableWidget*>()) {
            if (grid->rowCount() < 2 || grid->columnCount() < 2 || !(grid->item(1, 1)->flags() & Qt::ItemIsEditable))
                continue;
            grid->editItem(grid->item(1, 1));
            auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            if (!editor)
                editor = grid->viewport()->findChild<QLineEdit*>();
            QVERIFY2(editor, qPrintable(grid->objectName()));
            const QString had = editor->text();
            editor->insert(outside);
            QVERIFY2(editor->text() == had, qPrintable(grid->objectName()));
        }
        QCOMPARE(formMismatches(window == &run.window() ? static_cast<Form&>(run.session->mainForm())
                                : window == &run.windows->cockpitEditor()
                                    ? static_cast<Form&>(run.session->cockpitForm())
                                    : run.session->weaponForm(),
                                *window),
                 QStringList());
    }

    // Typed and pasted into the name, the character is refused and "Write" stores what the box shows.
    auto* name = run.find<QLineEdit>(controls::CraftNameBox);
    // A key that types a character (QTest's own clicks know ASCII alone).
    const auto type = [name](const QString& character) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(name, &press);
    };
    name->selectAll();
    QTest::keyClicks(name, "El");
    type(QStringLiteral("ő"));
    QCOMPARE(name->text(), QStringLiteral("El"));
    QApplication::clipboard()->setText(QStringLiteral("Elő"));
    name->selectAll();
    name->paste();
    QCOMPARE(name->text(), QStringLiteral("El"));
    name->end(false);
    type(QStringLiteral("é"));
    QCOMPARE(run.session->mainForm()[controls::CraftNameBox].text(), std::string("El\xE9"));
    QTest::mouseClick(run.find<QPushButton>(controls::WriteButton), Qt::LeftButton);

    // Slot 1's eleventh line holds the gender, ":" and the name; every other line stays, the short
    // name's too, since the id box refused what was typed into it.
    const auto replaceLine = [&expected](int number, std::size_t from, const std::string& text) {
        std::size_t start = 0;
        for (int skipped = 1; skipped < number; ++skipped)
            start = expected.find("\r\n", start) + 2;
        start += from;
        expected.replace(start, expected.find("\r\n", start) - start, text);
    };
    replaceLine(11, 2, "El\xE9");
    QCOMPARE(testing::readFile(strings), expected);
}

void MainWindowTest::editorWindowsFollowTheirForms()
{
    Running run(Family::Xvt);
    EditorWindow& weapons = run.windows->weaponEditor();
    EditorWindow& cockpit = run.windows->cockpitEditor();
    QVERIFY(!weapons.isVisible() && !cockpit.isVisible()); // made hidden
    QCOMPARE(weapons.windowTitle(), QStringLiteral("PLORIK Weapon editor"));
    QCOMPARE(cockpit.windowTitle(), QStringLiteral("PLORIK Cockpit editor"));

    run.action(controls::WeaponsEditorItem)->trigger();
    QVERIFY(weapons.isVisible());
    weapons.close(); // the user closes it; the command shows it again
    QVERIFY(!run.session->weaponForm().shown());
    run.action(controls::WeaponsEditorItem)->trigger();
    QVERIFY(weapons.isVisible());

    QTest::mouseClick(run.find<QPushButton>(controls::INTEditorButton), Qt::LeftButton);
    QVERIFY(cockpit.isVisible());
    QVERIFY(run.window().isVisible());
}

void MainWindowTest::exitAndClosingEndTheProgram()
{
    {
        Running run(Family::Xvt);
        run.action(controls::WeaponsEditorItem)->trigger();
        QSignalSpy finished(run.windows.get(), &WindowSet::finished);
        run.action(controls::ExitItem)->trigger();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.front().front().toInt(), 0);
        QVERIFY(!run.window().isVisible());
        QVERIFY(!run.windows->weaponEditor().isVisible());
    }
    {
        Running run(Family::Xwa);
        QSignalSpy finished(run.windows.get(), &WindowSet::finished);
        run.window().close();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.front().front().toInt(), 0);
    }
}

} // namespace plorik::gui

#include "MainWindowTest.moc"

int runMainWindowTest(int argc, char** argv)
{
    plorik::gui::MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

namespace plorik::gui {

// Images > "Show Changes" after a field was written: the dialog lists it, its slot filter leaves
// it out for other slots, and it writes nothing.
void MainWindowTest::showChangesListsWhatWasWritten()
{
    Running run(Family::Xvt);
    Form& form = run.session->mainForm();
    QVERIFY(form.userPress(controls::CreateBackupImageItem));
    QVERIFY(form.userEdit(controls::CraftNoBox, "2"));
    QVERIFY(form.userEdit(controls::ShieldPowerBox, "140"));
    QVERIFY(form.userPress(controls::WriteButton));
    run.windows->syncAll();

    QString shown;
    QString filtered;
    QTimer::singleShot(0, [&] {
        auto* dialog = run.window().findChild<ChangesDialog*>(QStringLiteral("ChangesDialog"));
        if (!dialog)
            return;
        shown = dialog->reportText();
        const QString screenshots = qEnvironmentVariable("PLORIK_SCREENSHOT_DIR");
        if (!screenshots.isEmpty())
            dialog->grab().save(screenshots + QStringLiteral("/show-changes.png"));
        dialog->findChild<QLineEdit*>(QStringLiteral("ChangesSlots"))->setText(QStringLiteral("3-9"));
        filtered = dialog->reportText();
        dialog->reject();
    });
    run.action(controls::ShowChangesItem)->trigger();
    QCOMPARE(shown, QStringLiteral("Slot 2 Hawk Interceptor Mark 2 \u00b7 Statistics \u00b7 Shield Power: 102 \u2192 "
                                   "140 SBD\n"));
    QCOMPARE(filtered, QStringLiteral("No changes against the backup image.\n"));
}

// A written field's label is marked with the image's value, a hook file's field with the file's line;
// "Mark Changes" takes the first away, never the second, and the page keeps its layout.
void MainWindowTest::markersFollowWritesAndMarkChanges()
{
    Running run(Family::Xwa);
    run.window().resize(1280, 800);
    run.window().show();
    Form& form = run.session->mainForm();
    run.action(controls::CreateBackupImageItem)->trigger();
    QAction* marks = run.action(controls::MarkChangesItem);
    QVERIFY(marks->isEnabled() && marks->isCheckable() && marks->isChecked());
    QVERIFY(form.userEdit(controls::CraftNoBox, "4"));
    run.windows->syncAll();
    QLabel* changed = run.find<QLabel>("caption:SystemHitsBox");
    QLabel* overridden = run.find<QLabel>("caption:ShieldPowerBox");
    const QRect changedAt = changed->geometry();
    const QRect boxAt = run.find<QWidget>(controls::SystemHitsBox)->geometry();
    const QString before = toQt(form[controls::SystemHitsBox].text());
    QCOMPARE(changed->toolTip(), QString());

    QVERIFY(form.userEdit(controls::SystemHitsBox, before == QStringLiteral("99") ? "98" : "99"));
    QVERIFY(form.userPress(controls::WriteButton));
    run.windows->syncAll();
    const QString unit = toQt(controls::SystemHitsBox.unit);
    QCOMPARE(changed->toolTip(), QStringLiteral("Backup image: ") + before + (unit.isEmpty() ? "" : " " + unit));
    QVERIFY(changed->styleSheet().contains(QStringLiteral("#1c62c4")));
    QVERIFY(overridden->toolTip().startsWith(QStringLiteral("FlightModels\\Craft3.ini [StatsProfile_Default] "
                                                            "ShieldStrength = 40 overrides the executable's ")));
    QVERIFY(overridden->styleSheet().contains(QStringLiteral("#c25400")));
    QCOMPARE(run.find<QLabel>("caption:HullRateBox")->toolTip().isEmpty(), false);
    QCOMPARE(run.find<QLabel>("caption:CraftNameBox")->styleSheet(), QString());
    QCOMPARE(changed->geometry(), changedAt);
    QCOMPARE(run.find<QWidget>(controls::SystemHitsBox)->geometry(), boxAt);
    const QString screenshots = qEnvironmentVariable("PLORIK_SCREENSHOT_DIR");
    if (!screenshots.isEmpty()) {
        run.window().grab().save(screenshots + QStringLiteral("/marks-statistics.png"));
        QTabWidget* pages = run.window().pages();
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->tabText(i) == QStringLiteral("Cockpit"))
                pages->setCurrentIndex(i);
        }
        run.window().grab().save(screenshots + QStringLiteral("/marks-cockpit.png"));
        pages->setCurrentIndex(0);
    }

    marks->trigger();
    QVERIFY(!marks->isChecked());
    QCOMPARE(changed->toolTip(), QString());
    QCOMPARE(changed->styleSheet(), QString());
    QVERIFY(overridden->toolTip().startsWith(QStringLiteral("FlightModels\\Craft3.ini")));
    marks->trigger();
    QVERIFY(marks->isChecked());
    QVERIFY(changed->toolTip().startsWith(QStringLiteral("Backup image: ")));
}

} // namespace plorik::gui
