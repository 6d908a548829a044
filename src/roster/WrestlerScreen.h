#pragma once

#include "matching/MatchSettings.h"
#include "widgets/WorkingWindow.h"

class QCheckBox;
class QRadioButton;

namespace korvanda {

class AutoMatchFrame;
class Dialogs;
class HandMatchFrame;
class TableModels;
class TeamScreen;
class TableView;
class WrestlerEditorFrame;
struct Meet;

// The roster of all wrestlers with the editor, the sorting arrows and the
// matching panels.
class WrestlerScreen : public WorkingWindow {
    Q_OBJECT
public:
    // The team window holds the number of mats that the bout order rests on.
    WrestlerScreen(
        Meet& meet, TableModels& models, Dialogs& dialogs, const TeamScreen& teamScreen, QWidget* parent = nullptr);

    // The window's load step: a fresh editor state for the run.
    void load();

    // The Auto Match frame's boxes and checks as they stand.
    MatchSettings matchSettings() const;
    // Puts two wrestlers into the hand-match list ready for "Add", as the
    // director does by hand: each is loaded into the editor and picked into
    // his row. With "Find Best Hand Match" set the first pick proposes the
    // opponent itself.
    void prepareHandMatch(int wrestlerRow, int opponentRow);

signals:
    // "Update Weights...".
    void updateWeightsRequested();

private:
    void rosterChanged();
    void sort(int column, bool ascending);
    void match();

    Meet& meet_;
    TableModels& models_;
    Dialogs& dialogs_;
    const TeamScreen& teamScreen_;
    TableView* roster_;
    WrestlerEditorFrame* editor_;
    AutoMatchFrame* autoMatch_;
    HandMatchFrame* handMatch_;
    QCheckBox* attendance_;
    QRadioButton* stableSort_;
};

} // namespace korvanda
