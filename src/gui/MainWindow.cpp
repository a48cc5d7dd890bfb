#include "MainWindow.h"

#include "ClipboardTools.h"
#include "Logo.h"
#include "PageLayout.h"
#include "Pages.h"
#include "QtText.h"
#include "TabOrder.h"

#include "controls/MainWindowControls.h"
#include "controls/WindowForms.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <map>
#include <stdexcept>

namespace plorik::gui {

MainWindow::MainWindow(Form& form, QWidget* parent) : QMainWindow(parent), m_binder(form)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(toQt(form.caption()));
    setWindowIcon(QIcon(paintLogo(QSize(64, 64))));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildFrame());
    m_pages = buildPages();
    layout->addWidget(m_pages, 1);
    setCentralWidget(central);

    buildMenus();
    buildToolBar();
    setStatusBar(qobject_cast<QStatusBar*>(m_binder.widget(controls::StatusBar, this)));
    statusBar()->setAccessibleName(tr("Status bar"));
    m_clipboard = new ClipboardTools(m_binder, this);
    setTabOrderFromLayout(central);
    resize(1180, 760);
}

MainWindow::~MainWindow()
{
    // The clipboard tools follow the focus, which moves while the widgets go: they must go before
    // the binder they report to.
    delete m_clipboard;
}

void MainWindow::showProgramFolder(const QString& folder)
{
    auto* label = statusBar()->findChild<QLabel*>(QStringLiteral("ProgramFolderText"));
    if (!label) {
        label = new QLabel(statusBar());
        label->setObjectName(QStringLiteral("ProgramFolderText"));
        statusBar()->addPermanentWidget(label);
    }
    // A long path is shortened in its middle, so the status bar's own text keeps its room.
    const QString text = tr("Program folder: %1").arg(folder);
    label->setText(
        label->fontMetrics().elidedText(text, Qt::ElideMiddle, label->fontMetrics().averageCharWidth() * 60));
    label->setToolTip(text);
    label->setAccessibleName(text);
}

QWidget* MainWindow::buildFrame()
{
    auto* frame = new QWidget(this);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);

    auto* logo = m_binder.widget<QLabel>(controls::LogoImage, frame);
    logo->setPixmap(paintLogo(QSize(190, 64)));
    grid->addWidget(logo, 0, 0, 2, 1);
    grid->setColumnMinimumWidth(1, 8);

    grid->addWidget(m_binder.caption(controls::CraftNoBox, frame), 0, 2);
    QWidget* craftNo = m_binder.widget(controls::CraftNoBox, frame);
    setWidthInCharacters(craftNo, 22);
    grid->addWidget(craftNo, 0, 3);
    auto* buttons = new QHBoxLayout;
    grid->addLayout(buttons, 0, 4);
    for (ControlKey key : {controls::PrevSlotButton, controls::NextSlotButton}) {
        QWidget* step = m_binder.widget(key, frame);
        step->setFixedWidth(step->fontMetrics().horizontalAdvance(QStringLiteral("+")) + 36);
        buttons->addWidget(step);
    }
    buttons->addWidget(m_binder.widget(controls::WriteButton, frame));
    buttons->addWidget(m_binder.widget(controls::Shiplistwrite, frame));
    buttons->addStretch(1);

    grid->addWidget(m_binder.caption(controls::CraftIDBox, frame), 1, 2);
    QWidget* craftId = m_binder.widget(controls::CraftIDBox, frame);
    setWidthInCharacters(craftId, 22);
    grid->addWidget(craftId, 1, 3);
    QWidget* craftName = m_binder.widget(controls::TopCraftNameBox, frame);
    craftName->setAccessibleName(tr("Craft name"));
    grid->addWidget(craftName, 1, 4);
    grid->setColumnStretch(4, 1);
    grid->setColumnMinimumWidth(5, 12);

    grid->addWidget(m_binder.caption(controls::GameVersionBox, frame), 0, 6, Qt::AlignTop);
    auto* version = m_binder.widget<QPlainTextEdit>(controls::GameVersionBox, frame);
    version->setFixedHeight(version->fontMetrics().lineSpacing() * 2 + 10);
    version->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The game's identity takes the room the window has, down to a width that fits a 1280 pixel
    // wide screen (or 200 % scaling on a 2560 pixel one).
    setWidthInCharacters(version, 24);
    version->setMaximumWidth(QWIDGETSIZE_MAX);
    grid->addWidget(version, 0, 7);
    grid->addWidget(m_binder.caption(controls::GameDirBox, frame), 1, 6);
    QWidget* gameDir = m_binder.widget(controls::GameDirBox, frame);
    setWidthInCharacters(gameDir, 24);
    gameDir->setMaximumWidth(QWIDGETSIZE_MAX);
    grid->setColumnStretch(7, 2);
    grid->addWidget(gameDir, 1, 7);
    return frame;
}

QTabWidget* MainWindow::buildPages()
{
    using Builder = QWidget* (*)(WidgetBinder&);
    const std::pair<std::string_view, Builder> builders[] = {
        {controls::kStatisticsPage, &buildStatisticsPage},   {controls::kDescriptionsPage, &buildDescriptionsPage},
        {controls::kWeaponryPage, &buildWeaponryPage},       {controls::kWeaponSlotsPage, &buildWeaponSlotsPage},
        {controls::kDevelopmentPage, &buildDevelopmentPage}, {controls::kOptPage, &buildOptPage},
        {controls::kCockpitPage, &buildCockpitPage},         {controls::kUnknownPage, &buildUnknownPage},
    };
    static_assert(std::size(builders) == controls::kMainWindowPages.size());
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("Pages"));
    for (const auto& [caption, build] : builders) {
        QWidget* page = build(m_binder);
        page->setObjectName(toQt("page:" + std::string(caption)));
        pages->addTab(page, toQt(std::string(caption)));
    }
    pages->setCurrentIndex(0);
    return pages;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

} // namespace plorik::gui
