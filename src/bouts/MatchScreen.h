#pragma once

#include "bouts/MeetLists.h"
#include "widgets/WorkingWindow.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace korvanda {

class BoutResultsFrame;
class Dialogs;
class PrintChoices;
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
    ~MatchScreen() override;

    // Who answers "which list?" and "which file?"; the dialogs unless set.
    void setPrintChoices(PrintChoices& choices);

signals:
    // "Export Results...".
    void exportResultsRequested();

private:
    void removeLast();
    void scheduleMats(bool byWeight);
    void writeFiles();
    void printList();
    void exportPdf();
    ListOptions listOptions() const;
    PrintDate today() const;
    // The chosen list's text, or nothing when cancelled or empty.
    std::optional<std::pair<MeetList, std::string>> chosenList(const QString& title);

    Meet& meet_;
    TableModels& models_;
    Dialogs& dialogs_;
    const TeamScreen& team_;
    ScheduleScreen& schedule_;
    TableView* boutGrid_;
    BoutResultsFrame* results_;
    std::unique_ptr<PrintChoices> dialogChoices_;
    PrintChoices* printChoices_;
};

} // namespace korvanda
