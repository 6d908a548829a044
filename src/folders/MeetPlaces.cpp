#include "folders/MeetPlaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace korvanda {

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

QString demoMeetFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/korvanda/demo-meet"));
}

} // namespace korvanda
