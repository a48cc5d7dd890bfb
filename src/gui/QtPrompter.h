#pragma once

#include "common/Prompter.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>

namespace plorik::gui {

class HelpWindow;

// The Prompter of the windows, made of Qt's dialogs, and how it turns the core's texts into Qt's.

// Turns a filter of "description|patterns" pairs ("EXE files|*.exe|Ship files|*.shp;*.SHP") into
// Qt's "EXE files (*.exe);;Ship files (*.shp *.SHP)".
QString qtFileFilter(const std::string& filter);
// A message text as a message box shows it: each CR (or CR LF) breaks the line.
QString messageText(const std::string& text);

// Asks the user with Qt's own dialogs.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(std::filesystem::path programDir);
    ~QtPrompter() override;

    // The window the dialogs belong to.
    void setWindow(QWidget* window) { m_window = window; }
    // What a repaint during a long command does (copy the form to the widgets).
    void setRepaint(std::function<void()> repaint) { m_repaint = std::move(repaint); }

    Answer message(const Message& message) override;
    std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                     const std::string& initial) override;
    std::optional<std::string> openFile(const FileChoice& choice) override;
    std::optional<std::string> saveFile(const FileChoice& choice) override;
    void repaint() override;
    // The boxes with the error icon shown so far, and the last one's text.
    std::size_t errorCount() const { return m_errors; }
    const std::string& lastError() const { return m_lastError; }
    void showHelp(const std::string& topic) override;
    void openAddress(const std::string& address) override;

private:
    // A dialog shows over the windows as the command has left them so far.
    void showState();
    std::optional<std::string> chooseFile(const FileChoice& choice, bool save);

    std::filesystem::path m_programDir;
    QPointer<QWidget> m_window;
    std::function<void()> m_repaint;
    std::unique_ptr<HelpWindow> m_help;
    std::size_t m_errors = 0;
    std::string m_lastError;
};

} // namespace plorik::gui
