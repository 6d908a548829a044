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

    auto* window = menuBar()->addMenu(tr("&Window"));
    window->setObjectName(QStringLiteral("mnuWindow"));
    const struct {
        const char* name;
        QString caption;
        WindowKind kind;
    } entries[] = {
        { "mnuTeam", tr("&Team"), WindowKind::Team },
        { "mnuRoster", tr("&Roster"), WindowKind::Roster },
        { "mnuBout", tr("&Bout"), WindowKind::Bout },
        { "mnuMat", tr("&Mat"), WindowKind::Mat },
        { "mnuCheck", tr("Meet &Check"), WindowKind::Check },
    };
    for (const auto& entry : entries) {
        auto* action = window->addAction(entry.caption);
        action->setObjectName(QString::fromLatin1(entry.name));
        connect(action, &QAction::triggered, this, [this, kind = entry.kind] { emit switchRequested(kind); });
    }
    window->addSeparator();
    auto* board = window->addAction(tr("Mat B&oard"), this, &WorkingWindow::boardRequested);
    board->setObjectName(QStringLiteral("mnuBoard"));

    auto* about = menuBar()->addAction(tr("&About"), this, &WorkingWindow::aboutRequested);
    about->setObjectName(QStringLiteral("mnuAbout"));
}

void WorkingWindow::closeEvent(QCloseEvent* event)
{
    emit closing(this);
    event->accept();
}

} // namespace korvanda
