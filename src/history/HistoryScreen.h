#pragma once

#include "meet/MeetHistory.h"

#include <QWidget>

class QPushButton;
class QTreeWidget;

namespace korvanda {

class Dialogs;
struct Meet;

// The meet's history beside the working windows: every kept state, newest
// first, with its time, its cause and its counts; "Bring Back" makes the
// chosen one the meet again.
class HistoryScreen : public QWidget {
    Q_OBJECT
public:
    HistoryScreen(Meet& meet, Dialogs& dialogs, QWidget* parent = nullptr);

    // Reads the history afresh, tells of damaged entries, and shows it.
    void showHistory();

signals:
    // The tables now hold a state brought back from the history.
    void broughtBack();

private:
    // Gives the names of the damaged files it left out.
    std::vector<std::string> fillList();
    void bringBackChosen();

    Meet& meet_;
    Dialogs& dialogs_;
    QTreeWidget* list_;
    QPushButton* bringBack_;
    std::vector<KeptState> states_;
};

} // namespace korvanda
