#include "widgets/MeetSettings.h"

#include <QCryptographicHash>

namespace korvanda {

QString meetSettingsGroup(const QString& part, const std::filesystem::path& directory)
{
    const std::string where = std::filesystem::absolute(directory).lexically_normal().string();
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(where), QCryptographicHash::Sha1);
    return part + QLatin1Char('/') + QString::fromLatin1(hash.toHex().left(16));
}

QSettings programSettings()
{
    return QSettings(QStringLiteral("Korvanda"), QStringLiteral("Korvanda"));
}

} // namespace korvanda
