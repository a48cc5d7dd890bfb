#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace plorik {
class Session;
}

namespace plorik::gui {

// Images > "Show Changes": the change report against the backup image, for the slots the filter
// names ("12", "10-20"; every slot when empty), as text or Markdown, to copy or save.
class ChangesDialog : public QDialog {
    Q_OBJECT

public:
    ChangesDialog(const Session& session, QWidget* parent = nullptr);

    // Makes the report again for the filter's slots.
    void refresh();
    QString reportText() const;

private:
    void save();

    const Session& m_session;
    QLineEdit* m_slots = nullptr;
    QPlainTextEdit* m_report = nullptr;
    bool m_markdown = false;
};

} // namespace plorik::gui
