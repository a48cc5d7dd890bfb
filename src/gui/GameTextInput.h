#pragma once

#include <QStyledItemDelegate>
#include <QValidator>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace plorik::gui {

// The game's text holds the first 256 characters of Unicode, one byte each. A box takes no other
// character ("ő", "€"): typed, pasted or dropped, it is refused whole, the box keeps what it had and
// a tip at the box says why. So a text is never stored with a character the user did not type.

// Accepts a text only while every character has its single-byte form; remembers why it refused.
class GameTextValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
    // Why the last refused text cannot be stored ("\"ő\" cannot be stored in the game's text.").
    const QString& refusal() const { return m_refusal; }

private:
    mutable QString m_refusal;
};

// The refusal of a text, or an empty string when the game's text can hold it.
QString gameTextRefusal(const QString& text);
// Shows a refusal as a tip under the box.
void showRefusal(QWidget* box, const QString& refusal);

// Gives a line box the validator and shows its refusals.
void keepGameText(QLineEdit* box);

// A memo has no validator: after a change, a text the game cannot hold is put back to `kept` (what
// the box held before), the cursor where the refused input started. True when it was refused.
bool refuseOutsideGameText(QPlainTextEdit* memo, const QString& kept);

// The editors of a grid's cells keep the game's text.
class GameTextDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace plorik::gui
