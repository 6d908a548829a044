#include "shell/WorkingWindow.h"

#include <QCloseEvent>
#include <QMenuBar>

namespace korvanda {

WorkingWindow::WorkingWindow(const QString& objectName, const QString& caption, QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);

    auto* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
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
    };
    for (const auto& entry : entries) {
        auto* action = window->addAction(entry.caption);
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setShortcut(QKeySequence(Qt::CTRL | entry.key));
        connect(action, &QAction::triggered, this, [this, kind = entry.kind] { emit switchRequested(kind); });
    }

    auto* about = menuBar()->addAction(tr("&About"), this, &WorkingWindow::aboutRequested);
    about->setObjectName(QStringLiteral("mnuAbout"));
}

void WorkingWindow::closeEvent(QCloseEvent* event)
{
    emit closing(this);
    event->accept();
}

} // namespace korvanda
