#pragma once

#include "meet/Table.h"
#include "meetcheck/MeetCheck.h"
#include "widgets/WorkingWindow.h"

#include <filesystem>

class QLabel;
class QSpinBox;
class QTimeEdit;

namespace korvanda {

class Dialogs;
class ScheduleScreen;
class TableModel;
class TableModels;
class TableView;
class WrestlerScreen;
struct Meet;

// "Meet Check": who is short of bouts, who wrestles again too soon, and
// how far each mat has come.
class CheckScreen : public WorkingWindow {
    Q_OBJECT
public:
    // The roster window gives the Auto Match boxes; the mat schedule window
    // shows the bouts with too little rest.
    CheckScreen(Meet& meet, TableModels& models, Dialogs& dialogs, const WrestlerScreen& wrestlers,
        ScheduleScreen& schedule, QWidget* parent = nullptr);
    ~CheckScreen() override;

    void refresh();
    const MeetCheck& check() const { return check_; }
    // The start time, minutes per bout and least rest the boxes hold now,
    // whether or not the window was shown.
    CheckValues values() const;

signals:
    // The director changed one of the values.
    void valuesEdited();
    // A short wrestler and his proposed opponent (roster rows, 0 for none)
    // are wanted in the hand-match list.
    void handMatchRequested(int wrestlerRow, int opponentRow);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void boutsChanged();
    void valuesChanged();
    void takeToHandMatch(int tableRow);
    void writeReport();
    void loadValues();
    void markSchedule();
    void fillTables();

    Meet& meet_;
    Dialogs& dialogs_;
    const WrestlerScreen& wrestlers_;
    ScheduleScreen& schedule_;
    MeetCheck check_;
    // The meet folder whose values the boxes hold.
    std::filesystem::path valuesOf_;
    bool loadingValues_ = false;
    Table shortTable_;
    Table restTable_;
    Table matTable_;
    TableModel* shortModel_;
    TableModel* restModel_;
    TableModel* matModel_;
    TableView* shortView_;
    TableView* restView_;
    TableView* matView_;
    QLabel* problem_;
    QSpinBox* minimumRest_;
    QSpinBox* minutesPerBout_;
    QTimeEdit* startTime_;
};

} // namespace korvanda
