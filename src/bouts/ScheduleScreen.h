#pragma once

#include "meet/Table.h"
#include "shell/WorkingWindow.h"

#include <array>

class QLabel;

namespace korvanda {

class TableModel;
class TableView;

// One table of bouts per mat, six at the most.
class ScheduleScreen : public WorkingWindow {
    Q_OBJECT
public:
    explicit ScheduleScreen(QWidget* parent = nullptr);

private:
    std::array<Table, 6> grids_;
    std::array<TableModel*, 6> models_{};
    std::array<TableView*, 6> views_{};
    std::array<QLabel*, 6> labels_{};
};

} // namespace korvanda
