#include "widgets/WorkingWindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>

namespace korvanda {

WorkingWindow::WorkingWindow(const QString& objectName, const QString& caption, QWidget* parent)
    : QMainWindow(parent)
    , caption_(caption)
{
    setObjectName(objectName);
    setWindowTitle(caption);

    auto* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    auto* newMeet = file->addAction(tr("&New Meet..."), this, &WorkingWindow::newMeetRequested);
    newMeet->setObjectName(QStringLiteral("mnuNewMeet"));
    newMeet->setShortcut(QKeySequence::New);
    auto* openMeet = file->addAction(tr("&Open Meet..."), this, &WorkingWindow::openMeetRequested);
    openMeet->setObjectName(QStringLiteral("mnuOpenMeet"));
    openMeet->setShortcut(QKeySequence::Open);
    recentMenu_ = file->addMenu(tr("Open &Recent"));
    recentMenu_->setObjectName(QStringLiteral("mnuOpenRecent"));
    // Rebuilt each time the File menu opens, so every window shows the list
    // as it is now, whichever window opened a meet last.
    connect(file, &QMenu::aboutToShow, this, &WorkingWindow::fillRecentMenu);
    file->addSeparator();
    auto* exit = file->addAction(tr("E&xit"), this, &WorkingWindow::exitRequested);
    exit->setObjectName(QStringLiteral("mnuExit"));
    // Ctrl+Q on every system, not only where the desktop calls it Quit.
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    auto* window = menuBar()->addMenu(tr("&Window"));
    window->setObjectName(QStringLiteral("mnuWindow"));
    const struct {
        const char* name;
        QString caption;
        WindowKind kind;
        Qt::Key key;
    } entries[] = {
        { "mnuTeam", tr("&Team"), WindowKind::Team, Qt::Key_1 },
        { "mnuRoster", tr("&Roster"), WindowKind::Roster, Qt::Key_2 },
        { "mnuBout", tr("&Bout"), WindowKind::Bout, Qt::Key_3 },
        { "mnuMat", tr("&Mat"), WindowKind::Mat, Qt::Key_4 },
        { "mnuCheck", tr("Meet &Check"), WindowKind::Check, Qt::Key_5 },
        { "mnuNetwork", tr("Meet &Network"), WindowKind::Network, Qt::Key_6 },
    };
    for (const auto& entry : entries) {
        auto* action = window->addAction(entry.caption);
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setShortcut(QKeySequence(Qt::CTRL | entry.key));
        connect(action, &QAction::triggered, this, [this, kind = entry.kind] { emit switchRequested(kind); });
    }
    window->addSeparator();
    auto* board = window->addAction(tr("Mat B&oard"), this, &WorkingWindow::boardRequested);
    board->setObjectName(QStringLiteral("mnuBoard"));

    auto* about = menuBar()->addAction(tr("&About"), this, &WorkingWindow::aboutRequested);
    about->setObjectName(QStringLiteral("mnuAbout"));
}

void WorkingWindow::showMeetName(const QString& meetName)
{
    setWindowTitle(caption_ + QStringLiteral(" - ") + meetName);
}

void WorkingWindow::listRecentMeetsFrom(std::function<QStringList()> recentMeets)
{
    recentMeets_ = std::move(recentMeets);
}

void WorkingWindow::fillRecentMenu()
{
    recentMenu_->clear();
    const QStringList recent = recentMeets_ ? recentMeets_() : QStringList();
    for (int i = 0; i < recent.size(); ++i) {
        const QString shown = QDir::toNativeSeparators(recent[i]).replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* entry = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        entry->setObjectName(QStringLiteral("mnuRecent%1").arg(i + 1));
        connect(entry, &QAction::triggered, this, [this, folder = recent[i]] { emit openRecentRequested(folder); });
    }
    recentMenu_->setEnabled(!recent.isEmpty());
}

void WorkingWindow::closeEvent(QCloseEvent* event)
{
    emit closing(this);
    event->accept();
}

} // namespace korvanda
