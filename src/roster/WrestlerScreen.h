#pragma once

#include "shell/WorkingWindow.h"

namespace korvanda {

class Dialogs;
class TableModels;
class TableView;
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
    Meet& meet_;
    TableModels& models_;
    Dialogs& dialogs_;
    TableView* roster_;
};

} // namespace korvanda
