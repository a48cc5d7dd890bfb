#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace plorik::gui {

// The game's texts are single-byte characters; Latin-1 maps each byte to one character and back, so
// nothing read from a game file changes on its way through a widget.
inline QString toQt(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Every box refuses characters past the first 256 (GameTextInput.h), so toLatin1 has nothing to
// replace with "?".
inline std::string fromQt(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Memo boxes keep lines apart with CR LF (a lone CR also breaks a line in a message); the widget
// wants plain line feeds.
inline QString memoToQt(const std::string& text)
{
    QString shown = toQt(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

inline std::string memoFromQt(const QString& text)
{
    QString stored = text;
    stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return fromQt(stored);
}

} // namespace plorik::gui
