#pragma once

#include <QString>

#include <string>

namespace korvanda {

// The meet's texts are Latin-1 bytes; Qt's are Unicode. These two are the
// only crossing points. A character Latin-1 cannot hold becomes "?".
inline QString toQt(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace korvanda
