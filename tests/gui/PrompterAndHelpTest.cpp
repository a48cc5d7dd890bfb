// The Qt prompter's conversions and the help pages it opens.
#include "HelpWindow.h"
#include "QtPrompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

namespace plorik::gui {

class PrompterAndHelpTest : public QObject {
    Q_OBJECT

private slots:
    void fileFiltersAndMessageTexts();
    void everyHelpTopicHasItsPage();
    void helpPagesLinkOnlyToPagesThatExist();
};

void PrompterAndHelpTest::fileFiltersAndMessageTexts()
{
    QCOMPARE(qtFileFilter("z_*.exe files |z_*.exe|XWingalliance|xwingalliance.exe|EXE files|*.exe"),
             QStringLiteral("z_*.exe files (z_*.exe);;XWingalliance (xwingalliance.exe);;EXE files (*.exe)"));
    QCOMPARE(qtFileFilter("Ship files|*.shp;*.SHP"), QStringLiteral("Ship files (*.shp *.SHP)"));
    QCOMPARE(qtFileFilter(""), QString());
    QCOMPARE(qtFileFilter("lonely description"), QString()); // a description without patterns is no filter
    QCOMPARE(messageText("Bad file!\r\rPlease check."), QStringLiteral("Bad file!\n\nPlease check."));
    QCOMPARE(messageText("one\r\ntwo"), QStringLiteral("one\ntwo"));
}

void PrompterAndHelpTest::everyHelpTopicHasItsPage()
{
    const std::filesystem::path nowhere = "/nonexistent-program-folder";
    const struct {
        const char* topic;
        const char* file;
    } topics[] = {
        {"", "index.html"}, {"introduction", "introduction.html"}, {"how-to-use-help", "how-to-use-help.html"}};
    HelpWindow help;
    for (const auto& [topic, file] : topics) {
        const QString page = findHelpPage(topic, nowhere);
        QVERIFY2(page.endsWith(QLatin1String(file)), topic);
        help.showPage(page, topic);
        QVERIFY2(!help.browser()->documentTitle().isEmpty(), file);
        QVERIFY2(help.browser()->toPlainText().contains(QStringLiteral("PLORIK")), file);
    }
    QCOMPARE(findHelpPage("no-such-topic", nowhere), QString());

    // A help folder in the program folder comes before the shipped one.
    QTemporaryDir programDir;
    QDir(programDir.path()).mkdir(QStringLiteral("help"));
    QFile own(programDir.filePath(QStringLiteral("help/index.html")));
    QVERIFY(own.open(QIODevice::WriteOnly));
    own.write("<html><head><title>Own</title></head><body>PLORIK</body></html>");
    own.close();
    QCOMPARE(QFileInfo(findHelpPage("", programDir.path().toStdString())).canonicalFilePath(),
             QFileInfo(own.fileName()).canonicalFilePath());
}

void PrompterAndHelpTest::helpPagesLinkOnlyToPagesThatExist()
{
    const QDir folder(QStringLiteral(PLORIK_HELP_DIR));
    const QStringList pages = folder.entryList({QStringLiteral("*.html")}, QDir::Files);
    QVERIFY(pages.size() >= 3);
    const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)(#[^\"]*)?\""));
    for (const QString& page : pages) {
        QFile file(folder.filePath(page));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (auto match = link.globalMatch(html); match.hasNext();) {
            const QString target = match.next().captured(1);
            QVERIFY2(folder.exists(target), qPrintable(page + QStringLiteral(" links to ") + target));
        }
    }
}

} // namespace plorik::gui

#include "PrompterAndHelpTest.moc"

int runPrompterAndHelpTest(int argc, char** argv)
{
    plorik::gui::PrompterAndHelpTest test;
    return QTest::qExec(&test, argc, argv);
}
