#include "MainWindow.h"

#include "QtText.h"
#include "ToolIcons.h"

#include "session/MainWindowForm.h"

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
const std::set<std::string>& groupStarts()
{
    static const std::set<std::string> starts = {"SelectEXEFile1", "Exit1",  "Copyship1", "Recreatesingleslot1",
                                                 "ZTpackage1",     "About1", "CopyTool",  "LastTool"};
    return starts;
}

bool isPage(const std::string& caption)
{
    const auto& pages = mainWindowPages();
    return std::find(pages.begin(), pages.end(), caption) != pages.end();
}

QIcon toolIcon(const std::string& key, QStyle* style)
{
    if (key == "OpenShipTool")
        return style->standardIcon(QStyle::SP_DialogOpenButton);
    if (key == "SaveShipTool")
        return style->standardIcon(QStyle::SP_DialogSaveButton);
    if (key == "CopyTool")
        return QIcon::fromTheme(QStringLiteral("edit-copy"), copyIcon());
    if (key == "CutTool")
        return QIcon::fromTheme(QStringLiteral("edit-cut"), cutIcon());
    if (key == "PasteTool")
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
        if (control->kind() != ControlKind::MenuItem || isPage(control->design().page))
            continue;
        const std::string& title = control->design().page;
        QMenu*& menu = menus[title];
        if (!menu) {
            menu = menuBar()->addMenu(toQt(title));
            menu->setObjectName(toQt("menu:" + title));
        } else if (groupStarts().count(control->key())) {
            menu->addSeparator();
        }
        menu->addAction(m_binder.action(control->key(), this));
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
        if (groupStarts().count(control->key()))
            tools->addSeparator();
        QAction* action = m_binder.action(control->key(), this);
        action->setIcon(toolIcon(control->key(), style()));
        tools->addAction(action);
    }
}

} // namespace plorik::gui
