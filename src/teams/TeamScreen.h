#pragma once

#include "widgets/WorkingWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace korvanda {

class Dialogs;
class HistoryScreen;
class TableModels;
class TableView;
struct Meet;

// The team list, its editor, the meet options and the number of mats.
class TeamScreen : public WorkingWindow {
    Q_OBJECT
public:
    TeamScreen(Meet& meet, TableModels& models, Dialogs& dialogs, QWidget* parent = nullptr);

    // The window's load step: the meet's directory becomes the working
    // directory and the team list is read from it.
    void loadTeamList();

    bool assumePresent() const;
    bool omitAbsents() const;
    bool bListSkills() const;
    bool bSheetSkills() const;
    QString matsText() const;

signals:
    // "Import Roster..." for the team in that row of the list.
    void importRosterRequested(int teamRow);

private:
    void showRow(int row);
    void addTeam();
    void replaceTeam();
    void deleteTeam();
    void clearBoxes();
    void updateDataFileHint();
    void stepMats(bool up);
    void loadRosters();
    void saveList();
    void restore();

    Meet& meet_;
    TableModels& models_;
    Dialogs& dialogs_;
    TableView* teamList_;
    QLineEdit* boxes_[4];
    QLabel* dataFileHint_;
    QCheckBox* assumePresent_;
    QCheckBox* omitAbsents_;
    QCheckBox* bListSkills_;
    QCheckBox* bSheetSkills_;
    QLineEdit* numMats_;
    HistoryScreen* history_;
};

} // namespace korvanda
