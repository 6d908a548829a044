#include "app/Shell.h"

#include "app/AboutScreen.h"
#include "app/CloseStep.h"
#include "bouts/MatchScreen.h"
#include "bouts/ScheduleScreen.h"
#include "folders/RecentMeetList.h"
#include "meet/Meet.h"
#include "meet/TableModels.h"
#include "meetcheck/CheckScreen.h"
#include "meetcheck/MatBoardScreen.h"
#include "network/NetworkScreen.h"
#include "roster/WrestlerScreen.h"
#include "sheets/SheetActions.h"
#include "teams/TeamScreen.h"
#include "widgets/SettingsControls.h"

#include <QDir>

#include <algorithm>

namespace korvanda {

Shell::Shell(Meet& meet, Dialogs& dialogs, QObject* parent)
    : QObject(parent)
    , meet_(meet)
    , dialogs_(dialogs)
    , models_(std::make_unique<TableModels>(meet))
    , saveSettings_([this] { saveSettings(meet_, dialogs_, *team_, *wrestler_); })
{
}

Shell::~Shell()
{
    if (about_)
        delete about_.data();
}

void Shell::loadWindows()
{
    team_ = std::make_unique<TeamScreen>(meet_, *models_, dialogs_);
    team_->loadTeamList();
    schedule_ = std::make_unique<ScheduleScreen>();
    match_ = std::make_unique<MatchScreen>(meet_, *models_, dialogs_, *team_, *schedule_);
    wrestler_ = std::make_unique<WrestlerScreen>(meet_, *models_, dialogs_, *team_);
    wrestler_->load();
    check_ = std::make_unique<CheckScreen>(meet_, *models_, dialogs_, *wrestler_, *schedule_);
    board_ = std::make_unique<MatBoardScreen>(meet_, *models_);
    network_ = std::make_unique<NetworkScreen>(meet_, *models_, dialogs_, *team_, *check_);
    connect(check_.get(), &CheckScreen::handMatchRequested, this, &Shell::prepareHandMatch);
    // Spreadsheets in and out, each from the window that offers it.
    connect(team_.get(), &TeamScreen::importRosterRequested, this,
        [this](int teamRow) { importRosterFromSheet(team_.get(), meet_, teamRow, dialogs_); });
    connect(wrestler_.get(), &WrestlerScreen::updateWeightsRequested, this, [this] {
        if (updateWeightsFromSheet(wrestler_.get(), meet_, dialogs_))
            models_->refresh();
    });
    connect(match_.get(), &MatchScreen::exportResultsRequested, this,
        [this] { exportResultsToWorkbook(match_.get(), meet_, dialogs_); });
    closeStepWindows_ = { team_.get(), match_.get(), schedule_.get(), wrestler_.get() };
    loadOrder_ = { team_.get(), match_.get(), schedule_.get(), wrestler_.get(), check_.get(), network_.get() };
    const QString folder = QDir::cleanPath(QString::fromStdU16String(meet_.directory.u16string()));
    const QString meetName = QDir(folder).dirName();
    for (auto* window : loadOrder_) {
        connectWindow(*window);
        window->showMeetName(meetName.isEmpty() ? QDir::toNativeSeparators(folder) : meetName);
    }
    // Before any window shows, so the director never sees the defaults flash.
    loadSettings(meet_, *team_, *wrestler_);
}

void Shell::connectWindow(WorkingWindow& window)
{
    window.listRecentMeetsFrom(loadRecentMeets);
    connect(&window, &WorkingWindow::switchRequested, this, &Shell::showWindow);
    connect(&window, &WorkingWindow::aboutRequested, this, &Shell::showAbout);
    connect(&window, &WorkingWindow::boardRequested, this, &Shell::showBoard);
    connect(&window, &WorkingWindow::exitRequested, this, &Shell::exitAll);
    connect(&window, &WorkingWindow::closing, this, &Shell::windowClosing);
    connect(&window, &WorkingWindow::newMeetRequested, this, &Shell::newMeetRequested);
    connect(&window, &WorkingWindow::openMeetRequested, this, &Shell::openMeetRequested);
    connect(&window, &WorkingWindow::openRecentRequested, this, &Shell::openRecentRequested);
}

WorkingWindow& Shell::window(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Team:
        return *team_;
    case WindowKind::Roster:
        return *wrestler_;
    case WindowKind::Bout:
        return *match_;
    case WindowKind::Check:
        return *check_;
    case WindowKind::Network:
        return *network_;
    case WindowKind::Mat:
        break;
    }
    return *schedule_;
}

void Shell::showWindow(WindowKind kind)
{
    WorkingWindow& chosen = window(kind);
    for (auto* w : loadOrder_) {
        if (w == &chosen) {
            w->show();
            w->raise();
            w->activateWindow();
        } else {
            w->hide();
        }
    }
}

void Shell::showAbout()
{
    if (!about_) {
        about_ = new AboutScreen;
        about_->setAttribute(Qt::WA_DeleteOnClose);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void Shell::showBoard()
{
    board_->show();
    board_->raise();
}

void Shell::exitAll()
{
    // The phones are let go before any close step asks its question.
    network_->stopServing();
    for (auto* window : loadOrder_)
        window->close();
    if (about_)
        about_->close();
    if (board_)
        board_->close();
}

void Shell::prepareHandMatch(int wrestlerRow, int opponentRow)
{
    wrestler_->prepareHandMatch(wrestlerRow, opponentRow);
    showWindow(WindowKind::Roster);
}

bool Shell::closeBeforeSwitch()
{
    return closeStepBeforeSwitch(meet_, dialogs_, saveSettings_);
}

void Shell::hideAll()
{
    // The phones lose this meet with its windows.
    network_->stopServing();
    for (auto* window : loadOrder_)
        window->hide();
    if (about_)
        about_->close();
    if (board_)
        board_->hide();
}

void Shell::windowClosing(WorkingWindow* window)
{
    if (!closed_.insert(window).second)
        return;
    if (std::find(closeStepWindows_.begin(), closeStepWindows_.end(), window) != closeStepWindows_.end())
        closeStep(meet_, dialogs_, saveSettings_);
    // Closing one working window ends the program: the others follow, the
    // four of them each through its own close step.
    exitAll();
}

} // namespace korvanda
