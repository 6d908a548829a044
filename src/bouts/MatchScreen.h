#pragma once

#include "shell/WorkingWindow.h"

namespace korvanda {

class Dialogs;
class TableModels;
class TableView;
struct Meet;

// The bout list with result entry, scheduling and the printed files.
class MatchScreen : public WorkingWindow {
    Q_OBJECT
public:
    MatchScreen(Meet& meet, TableModels& models, Dialogs& dialogs, QWidget* parent = nullptr);

private:
    Meet& meet_;
    TableModels& models_;
    Dialogs& dialogs_;
    TableView* boutGrid_;
};

} // namespace korvanda
