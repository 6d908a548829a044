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
class NetworkScreen;
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
    // Closes every window; the team, bout, mat and roster windows each run
    // their close step once.
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
    NetworkScreen& networkScreen() { return *network_; }
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
    std::unique_ptr<NetworkScreen> network_;
    QPointer<AboutScreen> about_;
    // Every working window: closing any one of them ends the program.
    std::vector<WorkingWindow*> loadOrder_;
    // Only these four run the close step and its save question as they go;
    // a window not listed here (the check window, any later one) asks nothing.
    std::vector<WorkingWindow*> closeStepWindows_;
    std::set<WorkingWindow*> closed_;
    std::function<void()> saveSettings_;
};

} // namespace korvanda
