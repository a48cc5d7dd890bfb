#include "QtPrompter.h"

#include "GameTextInput.h"
#include "HelpWindow.h"
#include "QtText.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace plorik::gui {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton boxButton(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return QMessageBox::Ok;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

// Whether a window that stays on top is showing (the splash): a message must not hide behind it.
bool onTopWindowShowing()
{
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return true;
    }
    return false;
}

std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

QString qtFileFilter(const std::string& filter)
{
    const QStringList parts = toQt(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i].trimmed() + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

QString messageText(const std::string& text)
{
    return memoToQt(text);
}

QtPrompter::QtPrompter(std::filesystem::path programDir) : m_programDir(std::move(programDir))
{
}

QtPrompter::~QtPrompter() = default;

Answer QtPrompter::message(const Message& message)
{
    if (message.icon == MessageIcon::Error) {
        ++m_errors;
        m_lastError = message.text;
    }
    showState();
    QMessageBox box(boxIcon(message.icon), toQt(message.caption), messageText(message.text),
                    boxButtons(message.buttons), m_window);
    if (onTopWindowShowing())
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (QAbstractButton* preferred = box.button(boxButton(message.defaultButton)))
        box.setDefaultButton(qobject_cast<QPushButton*>(preferred));
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: break;
    }
    // Closed without a button: the box's way out.
    return message.buttons == MessageButtons::YesNo ? Answer::No
           : message.buttons == MessageButtons::Ok  ? Answer::Ok
                                                    : Answer::Cancel;
}

std::optional<std::string> QtPrompter::input(const std::string& caption, const std::string& prompt,
                                             const std::string& initial)
{
    showState();
    QInputDialog dialog(m_window);
    dialog.setWindowTitle(toQt(caption));
    dialog.setLabelText(messageText(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(toQt(initial));
    if (auto* box = dialog.findChild<QLineEdit*>())
        keepGameText(box);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return fromQt(dialog.textValue());
}

std::optional<std::string> QtPrompter::chooseFile(const FileChoice& choice, bool save)
{
    showState();
    QFileDialog dialog(m_window, toQt(choice.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!choice.directory.empty())
        dialog.setDirectory(QFile::decodeName(QByteArray::fromStdString(choice.directory)));
    if (!choice.fileName.empty())
        dialog.selectFile(QFile::decodeName(QByteArray::fromStdString(choice.fileName)));
    const QStringList filters = qtFileFilter(choice.filter).split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const qsizetype selected = std::clamp<qsizetype>(choice.filterIndex, 1, filters.size()) - 1;
        dialog.selectNameFilter(filters[selected]);
    }
    // A default extension ("*.shp", ".shp") is added to a typed name without one; a pattern
    // ("z_*.exe") only filters.
    QString extension = toQt(choice.defaultExtension);
    if (extension.startsWith(QLatin1String("*.")))
        extension.remove(0, 2);
    if (extension.startsWith(QLatin1Char('.')))
        extension.remove(0, 1);
    if (save && !choice.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!extension.isEmpty() && !extension.contains(QLatin1Char('*')) && !extension.contains(QLatin1Char('?')))
        dialog.setDefaultSuffix(extension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return localPath(dialog.selectedFiles().constFirst());
}

std::optional<std::string> QtPrompter::openFile(const FileChoice& choice)
{
    return chooseFile(choice, false);
}

std::optional<std::string> QtPrompter::saveFile(const FileChoice& choice)
{
    return chooseFile(choice, true);
}

void QtPrompter::showState()
{
    if (m_repaint)
        m_repaint();
}

void QtPrompter::repaint()
{
    showState();
    // Paint, but take no clicks or keys: the command that asked is still running.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPrompter::showHelp(const std::string& topic)
{
    if (!m_help)
        m_help = std::make_unique<HelpWindow>();
    m_help->showPage(findHelpPage(topic, m_programDir), topic);
}

void QtPrompter::openAddress(const std::string& address)
{
    QDesktopServices::openUrl(QUrl(toQt(address)));
}

} // namespace plorik::gui
