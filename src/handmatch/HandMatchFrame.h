#pragma once

#include "handmatch/HandMatchList.h"

#include <QGroupBox>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace korvanda {

class AutoMatchFrame;
class Dialogs;
class TableModel;
class TableModels;
class TableView;
struct Meet;

// The "Hand Match" frame: two wrestlers picked from the editor become a
// bout, the last bout can be taken back, and a bout can be called up by
// its number to get other wrestlers. The roster window owns the editor and
// passes what it shows, so the frame needs nothing of the editor itself.
class HandMatchFrame : public QGroupBox {
    Q_OBJECT
public:
    HandMatchFrame(Meet& meet, Dialogs& dialogs, TableModels& models, std::function<EditorWrestler()> shownWrestler,
        AutoMatchFrame& autoMatch, QWidget* parent = nullptr);

    // As a click on list row 1 or 2 with the editor's wrestler.
    void pickInto(int listRow);
    // Whether list row 2 still waits for a wrestler.
    bool secondRowEmpty() const;
    void cancel();

signals:
    // The list made or replaced a bout, or was cancelled: the editor empties.
    void listCleared();

private:
    void pick();
    void add();
    void removeLast();
    void editOrReplace();
    // After the list made or replaced a bout, or was cancelled.
    void resetControls();
    void showMode();
    void refresh();

    Meet& meet_;
    Dialogs& dialogs_;
    TableModels& models_;
    std::function<EditorWrestler()> shownWrestler_;
    AutoMatchFrame& autoMatch_;
    HandMatchList list_;
    TableModel* gridModel_;
    TableView* grid_;
    QCheckBox* findBest_;
    QPushButton* editButton_;
    QLineEdit* boutNumber_;
};

} // namespace korvanda
