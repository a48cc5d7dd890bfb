// The cockpit and weapon editor windows as a user sees them: their captions, the name boxes'
// context menu, and the choices that fill them.
#include "GuiTestSupport.h"

#include "controls/CockpitEditorControls.h"
#include "controls/WeaponEditorControls.h"

#include "EditorWindows.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using plorik::testing::Family;

namespace plorik::gui {

namespace {

QString labelText(const QWidget& window, const QString& name)
{
    const auto* label = window.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("(no label %1)").arg(name);
}

} // namespace

class EditorWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cockpitEditorShowsTheFileAndItsMenus();
    void weaponEditorShowsTheChosenWeapon();
};

void EditorWindowsTest::cockpitEditorShowsTheFileAndItsMenus()
{
    Running run(Family::Xvt);
    run.action(controls::IntCockpitEditorItem)->trigger();
    EditorWindow& editor = run.windows->cockpitEditor();
    QVERIFY(editor.isVisible());
    QCOMPARE(editor.findChild<QGroupBox*>(QStringLiteral("IntFileGroup"))->title(), QStringLiteral("&INT file editor"));
    const std::vector<std::pair<QString, QString>> captions = {
        {"caption:CockpitFileBox", "Cockpit:"},
        {"caption:ResolutionList", "Resolution:"},
        {"NormalRingLabel", "Normal:"},
        {"HighRingLabel", "High:"},
        {"caption:UpBox", "Up:"},
        {"caption:CameraBox", "Camera:"},
        {"caption:HudBox", "Hud:"},
        {"caption:FollowBox", "Follow:"},
        {"caption:MapBox", "Map:"},
        {"caption:PanelBox", "Panel:"},
        {"caption:CockpitPartsBox", "Cockpit parts:"},
        {"caption:PartXBox", "X"},
        {"caption:PartYBox", "Y"},
        {"VariableCaption", "Variable"},
    };
    for (const auto& [name, caption] : captions)
        QCOMPARE(labelText(editor, name), caption);
    QCOMPARE(editor.findChild<QPushButton*>(QStringLiteral("SaveCPButton"))->text(), QStringLiteral("Save CP"));
    for (const char* box : {"NormalTopBox", "NormalTopValue", "PanelBox"})
        QCOMPARE(editor.findChild<QLineEdit*>(box)->toolTip(),
                 QStringLiteral("Right click to bring up browse funcion"));
    QCOMPARE(editor.findChild<QLineEdit*>(QStringLiteral("NormalTopBox"))->text(), QStringLiteral("C1NRMTOP"));

    // Each name box has its own menu; a word goes into the box the menu was opened on.
    auto* hud = editor.findChild<QLineEdit*>(QStringLiteral("HudBox"));
    emit hud->customContextMenuRequested(QPoint(4, 4));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList items;
    for (const QAction* action : menu->actions())
        items << action->text();
    QCOMPARE(items, QStringList({"&Browse..", "ImpMirror", "RebMirror", "Standard"}));
    menu->actions().at(2)->trigger();
    menu->close();
    QCOMPARE(hud->text(), QStringLiteral("RebMirror"));
    QCOMPARE(editor.findChild<QLineEdit*>(QStringLiteral("MapBox"))->text(), QStringLiteral("C1MAP"));

    // A part chosen in the list names its variable and opens the box for it.
    auto* parts = editor.findChild<QComboBox*>(QStringLiteral("CockpitPartsBox"));
    QCOMPARE(parts->count(), 188);
    parts->setCurrentIndex(6);
    emit parts->activated(6);
    QCOMPARE(labelText(editor, QStringLiteral("VariableCaption")), QStringLiteral("Discharge Heading"));
    QVERIFY(editor.findChild<QComboBox*>(QStringLiteral("VariableBox"))->isEnabled());
    QCOMPARE(formMismatches(run.session->cockpitForm(), editor), QStringList());
}

void EditorWindowsTest::weaponEditorShowsTheChosenWeapon()
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        const bool xwa = family == Family::Xwa;
        Running run(family);
        run.action(controls::WeaponsEditorItem)->trigger();
        EditorWindow& editor = run.windows->weaponEditor();
        QCOMPARE(editor.findChild<QGroupBox*>(QStringLiteral("WpnPropertiesGroup"))->title(),
                 QStringLiteral("Wpn. Properties: "));
        QCOMPARE(editor.findChild<QPushButton*>(QStringLiteral("WriteWpnButton"))->text(),
                 QStringLiteral("Write Wpn."));
        QCOMPARE(editor.findChild<QCheckBox*>(QStringLiteral("WpnEnabledBox"))->text(), QStringLiteral("Enabled"));
        const std::vector<std::pair<QString, QString>> captions = {
            {"caption:WeaponList", "Weapon:"},
            {"caption:PowerBox", "Power:"},
            {"caption:WpnSpeedBox", "Speed:"},
            {"unit:WpnSpeedBox", "MGLT"},
            {"caption:TimeToLiveBox", "Time to live:"},
            {"unit:TimeToLiveBox", "Sec."},
            {"caption:WpnUnknownBox", "Unknown:"},
            {"caption:CategoryList", "Category:"},
            {"caption:WpnOptBox", "OPT:"},
            {"caption:WpnIndexBox", "Index:"},
            {"caption:WpnTypeList", "Type:"},
        };
        for (const auto& [name, caption] : captions)
            QCOMPARE(labelText(editor, name), caption);
        // XvT has no OPT records: their boxes and captions are off.
        for (const char* name :
             {"WpnOptBox", "caption:WpnOptBox", "WpnIndexBox", "caption:WpnIndexBox", "WpnEnabledBox"})
            QCOMPARE(editor.findChild<QWidget*>(name)->isEnabled(), xwa);

        editor.findChild<QListWidget*>(QStringLiteral("WeaponList"))->setCurrentRow(10);
        QCOMPARE(editor.findChild<QLineEdit*>(QStringLiteral("PowerBox"))->text(),
                 QString::number(run.game.family == Family::Xwa ? 65543 : 3500));
        auto* category = editor.findChild<QComboBox*>(QStringLiteral("CategoryList"));
        emit category->activated(2);
        QCOMPARE(editor.findChild<QLineEdit*>(QStringLiteral("CategoryNumberBox"))->text(), QStringLiteral("2"));
        QCOMPARE(formMismatches(run.session->weaponForm(), editor), QStringList());
    }
}

} // namespace plorik::gui

#include "EditorWindowsTest.moc"

int runEditorWindowsTest(int argc, char** argv)
{
    plorik::gui::EditorWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}
