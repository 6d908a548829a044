#pragma once

#include "handmatch/OpponentSearch.h"
#include "meet/Meet.h"

#include <array>
#include <string>

namespace korvanda {

class Dialogs;

// What the wrestler editor shows when the hand-match list is clicked.
struct EditorWrestler {
    std::string name;
    std::string age;
    std::string weight;
    std::string skill;
    std::string team;
    bool present = false;
};

// Whether the director asked for a proposed opponent, and what limits it.
struct ProposalSettings {
    bool findBest = false;
    CriteriaChecks criteria;
    // The text of the "Max Bouts" box.
    std::string maxBouts;
};

struct PickResult {
    // The editor's wrestler went into the list.
    bool picked = false;
    // An opponent was looked for: the window sets the auto-match progress bar to 0.
    bool searched = false;
    // The roster row proposed into list row 2, or 0.
    int proposedRow = 0;
};

struct FaceColour {
    int red;
    int green;
    int blue;
    bool operator==(const FaceColour&) const = default;
};

// The hand-match panel of the roster window: the two-row list of the
// wrestlers about to be paired and the mode of its "Edit Bout >" button.
//
// The window shows grid(), locks the bout-number box while editing(), and
// gives the edit button editButtonCaption() on editButtonFace(). Every call
// that returns true has reset the panel: the window then empties the
// bout-number box and runs the wrestler editor's Cancel, as it does after
// cancel().
class HandMatchList {
public:
    HandMatchList();

    const Table& grid() const { return grid_; }
    // The list as its view sees it: a click makes a row the current one.
    Table& grid() { return grid_; }
    // The list row the next picked wrestler goes to: 1 or 2, other rows are ignored.
    void selectRow(int row);

    bool editing() const { return editing_; }
    std::string editButtonCaption() const;
    FaceColour editButtonFace() const;
    // The roster rows of wrestler 1 and 2 of the bout being edited.
    const std::array<int, 2>& editedBoutRows() const { return editedBoutRows_; }

    // A click on the list: puts the editor's wrestler into the selected row
    // (without double quotes, tabs and line ends, which no file can carry)
    // and, when asked, proposes the closest present opponent into row 2.
    PickResult pickWrestler(
        const Meet& meet, const EditorWrestler& editor, const ProposalSettings& settings, Dialogs& dialogs);

    // "Add": the pair of the list becomes a new bout at the end of the bout
    // list, its number added to both wrestlers' Bouts cells.
    [[nodiscard]] bool makeHandBout(Meet& meet, Dialogs& dialogs);

    // "Cancel": empties the list and leaves editing.
    void cancel();

    // The edit button: "Edit Bout >" loads the bout into the list,
    // "Replace >" writes the list's pair over that bout.
    [[nodiscard]] bool editOrReplaceBout(Meet& meet, const std::string& boutNumberText, Dialogs& dialogs);

private:
    bool acceptablePair(Dialogs& dialogs) const;
    void writeBout(Meet& meet, int bout) const;
    void loadBout(const Meet& meet, int bout);
    void replaceBout(Meet& meet, int bout);
    void setRowFromRoster(int listRow, const Table& roster, int rosterRow);

    Table grid_;
    bool editing_ = false;
    std::array<int, 2> editedBoutRows_ {};
};

} // namespace korvanda
