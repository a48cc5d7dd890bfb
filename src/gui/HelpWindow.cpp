#include "HelpWindow.h"

#include "QtText.h"

#include "session/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace plorik::gui {

QStringList helpFolders(const std::filesystem::path& programDir)
{
    QStringList folders;
    const QString programFolder = QCoreApplication::applicationDirPath();
    folders << QDir(programFolder).filePath(QStringLiteral("help"));
    folders << QDir(QString::fromStdString(programDir.string())).filePath(QStringLiteral("help"));
    for (const std::filesystem::path& shipped : shippedDataFolders(programFolder.toStdString()))
        folders << QString::fromStdString((shipped / "help").string());
    folders.removeDuplicates();
    return folders;
}

QString findHelpPage(const std::string& topic, const std::filesystem::path& programDir)
{
    const QString file = topic.empty() ? QStringLiteral("index.html") : toQt(topic) + QStringLiteral(".html");
    for (const QString& folder : helpFolders(programDir)) {
        const QFileInfo page(QDir(folder), file);
        if (page.isFile())
            return page.absoluteFilePath();
    }
    return {};
}

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("PLORIK Help"));
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    auto* back = new QPushButton(tr("&Back"), this);
    auto* forward = new QPushButton(tr("&Forward"), this);
    auto* contents = new QPushButton(tr("&Contents"), this);
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);
    // The program's version, the project's (PLORIK_VERSION comes from the build).
    auto* version = new QLabel(QStringLiteral("PLORIK " PLORIK_VERSION), this);
    version->setObjectName(QStringLiteral("HelpVersion"));
    buttons->addWidget(version);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    m_browser->setOpenExternalLinks(true);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, [this] {
        const QUrl here = m_browser->source();
        if (here.isLocalFile())
            m_browser->setSource(here.resolved(QUrl(QStringLiteral("index.html"))));
    });
    resize(760, 600);
}

void HelpWindow::showPage(const QString& path, const std::string& topic)
{
    if (path.isEmpty()) {
        m_browser->setHtml(tr("<h2>Help not found</h2><p>PLORIK found no help page for \"%1\". The pages belong in "
                              "a folder named <i>help</i> beside the program.</p>")
                               .arg(topic.empty() ? tr("Contents") : toQt(topic).toHtmlEscaped()));
    } else {
        m_browser->setSource(QUrl::fromLocalFile(path));
    }
    show();
    raise();
    activateWindow();
}

} // namespace plorik::gui
