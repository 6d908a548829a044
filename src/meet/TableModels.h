#pragma once

#include "meet/Meet.h"
#include "meet/TableModel.h"

#include <QObject>

namespace korvanda {

// The views' adapters for the meet's three tables, shared by every window.
class TableModels : public QObject {
    Q_OBJECT
public:
    explicit TableModels(Meet& meet, QObject* parent = nullptr);

    TableModel& teamList() { return teamList_; }
    TableModel& roster() { return roster_; }
    TableModel& boutGrid() { return boutGrid_; }

    // After any command: the tables may have changed anywhere.
    void refresh();

signals:
    // Every command that changed a table has just been shown.
    void refreshed();

private:
    TableModel teamList_;
    TableModel roster_;
    TableModel boutGrid_;
};

} // namespace korvanda
