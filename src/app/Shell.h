#pragma once

#include "widgets/WorkingWindow.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace korvanda {

class AboutScreen;
class CheckScreen;
class MatBoardScreen;
class Dialogs;
class MatchScreen;
class ScheduleScreen;
class TableModels;
class TeamScreen;
class WrestlerScreen;
struct Meet;

// Owns the four working windows of the open meet, shows one at a time,
// and closes them all together through their close steps.
class Shell : public QObject {
    Q_OBJECT
public:
    Shell(Meet& meet, Dialogs& dialogs, QObject* parent = nullptr);
    ~Shell() override;

    // Creates the working windows, hidden, in the start-up order, and puts
    // the saved settings into their controls.
    void loadWindows();

    // Shows the chosen working window and hides the three others.
    void showWindow(WindowKind kind);
    void showAbout();
    // The mat board opens beside whichever working window is shown.
    void showBoard();
    // Closes every working window, each running its close step once.
    void exitAll();
    // The close step before another meet takes this one's place; false when
    // the director cancelled and this meet stays open.
    bool closeBeforeSwitch();
    // Hides every window of this meet for good, without a close step.
    void hideAll();

    TeamScreen& teamScreen() { return *team_; }
    WrestlerScreen& wrestlerScreen() { return *wrestler_; }
    MatchScreen& matchScreen() { return *match_; }
    ScheduleScreen& scheduleScreen() { return *schedule_; }
    CheckScreen& checkScreen() { return *check_; }
    MatBoardScreen& boardScreen() { return *board_; }
    TableModels& models() { return *models_; }
    WorkingWindow& window(WindowKind kind);

signals:
    void newMeetRequested();
    void openMeetRequested();
    void openRecentRequested(const QString& folder);

private:
    void connectWindow(WorkingWindow& window);
    void windowClosing(WorkingWindow* window);
    void prepareHandMatch(int wrestlerRow, int opponentRow);

    Meet& meet_;
    Dialogs& dialogs_;
    std::unique_ptr<TableModels> models_;
    std::unique_ptr<TeamScreen> team_;
    std::unique_ptr<MatchScreen> match_;
    std::unique_ptr<ScheduleScreen> schedule_;
    std::unique_ptr<WrestlerScreen> wrestler_;
    std::unique_ptr<CheckScreen> check_;
    std::unique_ptr<MatBoardScreen> board_;
    QPointer<AboutScreen> about_;
    std::vector<WorkingWindow*> loadOrder_;
    std::set<WorkingWindow*> closeStepDone_;
    std::function<void()> saveSettings_;
};

} // namespace korvanda
