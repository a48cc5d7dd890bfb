#include "MainWindow.h"

#include "QtText.h"
#include "ToolIcons.h"

#include "controls/MainWindowControls.h"
#include "controls/WindowForms.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include <algorithm>
#include <map>
#include <set>

namespace plorik::gui {

namespace {

// The menu items and tool buttons that start a new group: a separator goes before each.
bool startsGroup(ControlKey key)
{
    for (const ControlKey start :
         {controls::ExportTableItem, controls::ExportHookFileItem, controls::SelectExeFileItem, controls::ExitItem,
          controls::CutItem, controls::CopyShipItem, controls::RecreateSingleSlotItem, controls::ZtPackageItem,
          controls::ShowChangesItem, controls::AboutItem, controls::CopyTool, controls::LastTool}) {
        if (start == key)
            return true;
    }
    return false;
}

bool isPage(std::string_view caption)
{
    const auto& pages = controls::kMainWindowPages;
    return std::find(pages.begin(), pages.end(), caption) != pages.end();
}

QIcon toolIcon(ControlKey key, QStyle* style)
{
    if (key == controls::OpenShipTool)
        return style->standardIcon(QStyle::SP_DialogOpenButton);
    if (key == controls::SaveShipTool)
        return style->standardIcon(QStyle::SP_DialogSaveButton);
    if (key == controls::CopyTool)
        return QIcon::fromTheme(QStringLiteral("edit-copy"), copyIcon());
    if (key == controls::CutTool)
        return QIcon::fromTheme(QStringLiteral("edit-cut"), cutIcon());
    if (key == controls::PasteTool)
        return QIcon::fromTheme(QStringLiteral("edit-paste"), pasteIcon());
    return style->standardIcon(QStyle::SP_FileDialogInfoView);
}

} // namespace

void MainWindow::buildMenus()
{
    // Menus in the order their first item appears; the pages' own menu items (the "OPT File:" box's
    // context menu) are placed by their page.
    std::map<std::string, QMenu*> menus;
    for (const auto& control : m_binder.form().controls()) {
        if (control->kind() != ControlKind::MenuItem || isPage(control->entry().page))
            continue;
        const std::string title(control->entry().page);
        QMenu*& menu = menus[title];
        if (!menu) {
            menu = menuBar()->addMenu(toQt(title));
            menu->setObjectName(toQt("menu:" + title));
        } else if (startsGroup(control->key())) {
            menu->addSeparator();
        }
        QAction* action = m_binder.action(control->key(), this);
        if (control->key() == controls::MarkChangesItem) {
            action->setCheckable(true);
            action->setChecked(control->checked());
        }
        menu->addAction(action);
    }
}

void MainWindow::buildToolBar()
{
    QToolBar* tools = addToolBar(QStringLiteral("Tools"));
    tools->setObjectName(QStringLiteral("ToolBar"));
    tools->setMovable(false);
    for (const auto& control : m_binder.form().controls()) {
        if (control->kind() != ControlKind::ToolButton)
            continue;
        if (startsGroup(control->key()))
            tools->addSeparator();
        QAction* action = m_binder.action(control->key(), this);
        action->setIcon(toolIcon(control->key(), style()));
        tools->addAction(action);
    }
}

} // namespace plorik::gui
