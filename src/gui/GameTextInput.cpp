#include "GameTextInput.h"

#include "form/GameTextUtf8.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QToolTip>

#include <algorithm>

namespace plorik::gui {

QString gameTextRefusal(const QString& text)
{
    const bool singleBytes =
        std::all_of(text.cbegin(), text.cend(), [](QChar character) { return character.unicode() <= 0xFF; });
    if (singleBytes)
        return {};
    const QByteArray utf8 = text.toUtf8();
    const GameTextFromUtf8 read =
        gameTextFromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    return QString::fromStdString(read.refusal()) + QLatin1Char('.');
}

QValidator::State GameTextValidator::validate(QString& input, int& /*position*/) const
{
    QString refusal = gameTextRefusal(input);
    if (refusal.isEmpty())
        return Acceptable;
    m_refusal = std::move(refusal);
    return Invalid;
}

void showRefusal(QWidget* box, const QString& refusal)
{
    QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), refusal, box);
}

void keepGameText(QLineEdit* box)
{
    auto* validator = new GameTextValidator(box);
    box->setValidator(validator);
    QObject::connect(box, &QLineEdit::inputRejected, box, [box, validator] { showRefusal(box, validator->refusal()); });
}

bool refuseOutsideGameText(QPlainTextEdit* memo, const QString& kept)
{
    const QString text = memo->toPlainText();
    const QString refusal = gameTextRefusal(text);
    if (refusal.isEmpty())
        return false;
    // The refused input ends at the cursor; what stood before it is kept.
    const auto added = static_cast<int>(text.size() - kept.size());
    const int position = std::clamp(memo->textCursor().position() - added, 0, static_cast<int>(kept.size()));
    {
        const QSignalBlocker blocker(memo);
        memo->setPlainText(kept);
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(position);
        memo->setTextCursor(cursor);
    }
    showRefusal(memo, refusal);
    return true;
}

QWidget* GameTextDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* box = qobject_cast<QLineEdit*>(editor))
        keepGameText(box);
    return editor;
}

} // namespace plorik::gui
