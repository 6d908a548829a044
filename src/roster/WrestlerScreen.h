#pragma once

#include "shell/WorkingWindow.h"

class QCheckBox;
class QRadioButton;

namespace korvanda {

class Dialogs;
class TableModels;
class TableView;
class WrestlerEditorFrame;
struct Meet;

// The roster of all wrestlers with the editor, the sorting arrows and the
// matching panels.
class WrestlerScreen : public WorkingWindow {
    Q_OBJECT
public:
    WrestlerScreen(Meet& meet, TableModels& models, Dialogs& dialogs, QWidget* parent = nullptr);

    // The window's load step: a fresh editor state for the run.
    void load();

private:
    void rosterChanged();
    void sort(int column, bool ascending);

    Meet& meet_;
    TableModels& models_;
    Dialogs& dialogs_;
    TableView* roster_;
    WrestlerEditorFrame* editor_;
    QCheckBox* attendance_;
    QRadioButton* stableSort_;
};

} // namespace korvanda
