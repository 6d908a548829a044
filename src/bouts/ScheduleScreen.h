#pragma once

#include "bouts/MatSchedule.h"
#include "widgets/WorkingWindow.h"

#include <array>
#include <set>

class QLabel;
class QWidget;

namespace korvanda {

class MarkedBoutDelegate;
class TableModel;
class TableView;

// One table of bouts per mat, six at the most, each under its caption.
class ScheduleScreen : public WorkingWindow {
    Q_OBJECT
public:
    explicit ScheduleScreen(QWidget* parent = nullptr);
    ~ScheduleScreen() override;

    // What the scheduling fills in; showSchedule() afterwards.
    MatSchedule& schedule() { return schedule_; }

    // Shows the scheduled mats and hides the others, laid out for their
    // number: odd mats on the left, even mats on the right.
    void showSchedule();

    // Colours the rows of these bouts on every mat; nothing else changes.
    void markBouts(const std::set<int>& bouts);
    const std::set<int>& markedBouts() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeMats();

    MatSchedule schedule_;
    QWidget* canvas_;
    MarkedBoutDelegate* marks_;
    std::array<TableModel*, maxMats> models_ {};
    std::array<TableView*, maxMats> views_ {};
    std::array<QLabel*, maxMats> labels_ {};
};

} // namespace korvanda
