#include "ChangesDialog.h"

#include "changes/ChangeReport.h"
#include "io/AtomicFile.h"
#include "io/ProtectedFiles.h"
#include "session/Session.h"
#include "text/StrictNumber.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <climits>

namespace plorik::gui {

namespace {

// "12" or "10-20"; every slot when empty; nullopt for anything else.
std::optional<std::pair<std::int32_t, std::int32_t>> slotRange(const QString& text)
{
    const std::string range = text.trimmed().toStdString();
    if (range.empty())
        return std::pair{1, INT32_MAX};
    const std::size_t dash = range.find('-');
    const auto first = parseWholeNumber(range.substr(0, dash));
    const auto last = dash == std::string::npos ? first : parseWholeNumber(range.substr(dash + 1));
    if (!first || !last || *first < 1 || *last < *first || *last > INT32_MAX)
        return std::nullopt;
    return std::pair{static_cast<std::int32_t>(*first), static_cast<std::int32_t>(*last)};
}

} // namespace

ChangesDialog::ChangesDialog(const Session& session, QWidget* parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("ChangesDialog"));
    setWindowTitle(QStringLiteral("Show Changes"));
    m_slots = new QLineEdit(this);
    m_slots->setObjectName(QStringLiteral("ChangesSlots"));
    m_slots->setPlaceholderText(QStringLiteral("every slot"));
    auto* markdown = new QCheckBox(QStringLiteral("Markdown"), this);
    markdown->setObjectName(QStringLiteral("ChangesMarkdown"));
    m_report = new QPlainTextEdit(this);
    m_report->setObjectName(QStringLiteral("ChangesReport"));
    m_report->setReadOnly(true);
    m_report->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_report->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(QStringLiteral("Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("ChangesCopy"));
    QPushButton* saveButton = buttons->addButton(QStringLiteral("Save..."), QDialogButtonBox::ActionRole);
    saveButton->setObjectName(QStringLiteral("ChangesSave"));

    auto* filter = new QFormLayout;
    filter->addRow(QStringLiteral("Slots:"), m_slots);
    filter->addRow(QString(), markdown);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filter);
    layout->addWidget(m_report);
    layout->addWidget(buttons);
    resize(720, 420);

    connect(m_slots, &QLineEdit::textChanged, this, &ChangesDialog::refresh);
    connect(markdown, &QCheckBox::toggled, this, [this](bool on) {
        m_markdown = on;
        refresh();
    });
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(reportText()); });
    connect(saveButton, &QPushButton::clicked, this, &ChangesDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    refresh();
}

QString ChangesDialog::reportText() const
{
    return m_report->toPlainText();
}

void ChangesDialog::refresh()
{
    const auto range = slotRange(m_slots->text());
    if (!range) {
        m_report->setPlainText(QStringLiteral("Slots: a slot number or two joined by \"-\", as 10-20."));
        return;
    }
    try {
        const ChangeReport report = m_session.changeReport(std::nullopt, range->first, range->second);
        m_report->setPlainText(
            QString::fromStdString(m_markdown ? changeReportMarkdown(report) : changeReportText(report)));
    } catch (const std::exception& failure) {
        m_report->setPlainText(QString::fromLatin1(failure.what()));
    }
}

void ChangesDialog::save()
{
    const QString chosen =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save Changes"), QString(),
                                     m_markdown ? QStringLiteral("Markdown (*.md)") : QStringLiteral("Text (*.txt)"));
    if (chosen.isEmpty())
        return;
    const std::string extension = m_markdown ? ".md" : ".txt";
    if (const auto refusal = saveTargetRefusal(chosen.toStdString(), m_session.protectedFiles(), extension)) {
        QMessageBox::warning(this, QStringLiteral("PLORIK error:"), QString::fromStdString(*refusal));
        return;
    }
    const std::filesystem::path target = chosen.toStdString();
    const QByteArray content = reportText().toUtf8();
    try {
        replaceFileContent(target, std::string(content.constData(), static_cast<std::size_t>(content.size())),
                           target.parent_path() / "temp.tmp");
    } catch (const std::exception& failure) {
        QMessageBox::warning(this, QStringLiteral("PLORIK error:"), QString::fromStdString(failure.what()));
    }
}

} // namespace plorik::gui
