#include "folders/RecentMeetList.h"

#include "folders/RecentMeets.h"

#include <QSettings>

namespace korvanda {

namespace {

const QString recentKey = QStringLiteral("RecentMeets");

std::filesystem::path toPath(const QString& folder)
{
    return std::filesystem::path(folder.toStdU16String());
}

std::vector<std::filesystem::path> recentPaths()
{
    std::vector<std::filesystem::path> paths;
    for (const QString& folder : loadRecentMeets())
        paths.push_back(toPath(folder));
    return paths;
}

// The one place the list is written.
void saveRecentMeets(const std::vector<std::filesystem::path>& paths)
{
    QStringList folders;
    for (const auto& path : paths)
        folders << QString::fromStdU16String(path.u16string());
    QSettings().setValue(recentKey, folders);
}

} // namespace

QStringList loadRecentMeets()
{
    QStringList folders = QSettings().value(recentKey).toStringList();
    folders.removeAll(QString());
    return folders.mid(0, static_cast<qsizetype>(recentMeetCount));
}

void rememberMeet(const QString& folder)
{
    saveRecentMeets(withRecentMeet(recentPaths(), toPath(folder)));
}

void forgetMeet(const QString& folder)
{
    saveRecentMeets(withoutMeet(recentPaths(), toPath(folder)));
}

} // namespace korvanda
