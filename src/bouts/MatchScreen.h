#pragma once

#include "shell/WorkingWindow.h"

namespace korvanda {

class BoutResultsFrame;
class Dialogs;
class ScheduleScreen;
class TableModels;
class TableView;
class TeamScreen;
struct Meet;

// The bout list with result entry, scheduling and the printed files.
class MatchScreen : public WorkingWindow {
    Q_OBJECT
public:
    // The team window gives the number of mats; the mat schedule window
    // receives every schedule made here.
    MatchScreen(Meet& meet, TableModels& models, Dialogs& dialogs, const TeamScreen& team, ScheduleScreen& schedule,
        QWidget* parent = nullptr);

private:
    void removeLast();
    void scheduleMats(bool byWeight);
    void writeFiles();

    Meet& meet_;
    TableModels& models_;
    Dialogs& dialogs_;
    const TeamScreen& team_;
    ScheduleScreen& schedule_;
    TableView* boutGrid_;
    BoutResultsFrame* results_;
};

} // namespace korvanda
