#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <filesystem>
#include <string>

class QTextBrowser;

namespace plorik::gui {

// The help window, and where it finds the help pages.

// The folders searched for the help pages, in order: "help" beside the program, "help" in the
// program folder, then the installed pages (share/plorik/help) and those of the source tree.
QStringList helpFolders(const std::filesystem::path& programDir);
// The page of a help topic: "" for the contents, else the topic's own page ("introduction",
// "how-to-use-help"). Empty when no folder has it.
QString findHelpPage(const std::string& topic, const std::filesystem::path& programDir);

// A plain viewer for the help pages, with back, forward and contents.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    HelpWindow();
    // Shows a page file; an empty path shows a note that the help was not found.
    void showPage(const QString& path, const std::string& topic);
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};

} // namespace plorik::gui
