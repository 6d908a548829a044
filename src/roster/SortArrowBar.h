#pragma once

#include <QWidget>

#include <array>

class QTableView;

namespace korvanda {

class UpDownButtons;

// A pair of arrows above each roster column: down sorts ascending, up
// descending. The pairs follow the columns when they are resized.
class SortArrowBar : public QWidget {
    Q_OBJECT
public:
    SortArrowBar(QTableView& view, int columns, QWidget* parent = nullptr);

signals:
    void sortRequested(int column, bool ascending);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeArrows();

    QTableView& view_;
    std::array<UpDownButtons*, 8> arrows_ {};
    int columns_;
};

} // namespace korvanda
