#pragma once

#include "handmatch/HandMatchList.h"

#include <QGroupBox>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace korvanda {

class AutoMatchFrame;
class Dialogs;
class TableModel;
class TableModels;
class TableView;
class WrestlerEditorFrame;
struct Meet;

// The "Hand Match" frame: two wrestlers picked from the editor become a
// bout, the last bout can be taken back, and a bout can be called up by
// its number to get other wrestlers.
class HandMatchFrame : public QGroupBox {
    Q_OBJECT
public:
    HandMatchFrame(Meet& meet, Dialogs& dialogs, TableModels& models, WrestlerEditorFrame& editor,
        AutoMatchFrame& autoMatch, QWidget* parent = nullptr);

    // As a click on list row 1 or 2 with the editor's wrestler.
    void pickInto(int listRow);
    // Whether list row 2 still waits for a wrestler.
    bool secondRowEmpty() const;
    void cancel();

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
    WrestlerEditorFrame& editor_;
    AutoMatchFrame& autoMatch_;
    HandMatchList list_;
    TableModel* gridModel_;
    TableView* grid_;
    QCheckBox* findBest_;
    QPushButton* editButton_;
    QLineEdit* boutNumber_;
};

} // namespace korvanda
