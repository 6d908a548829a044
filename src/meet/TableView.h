#pragma once

#include <QTableView>

namespace korvanda {

class Table;
class TableModel;

// A read-only grid over one meet table. A click makes the clicked data row
// the table's current row before anyone hears of it.
class TableView : public QTableView {
    Q_OBJECT
public:
    TableView(Table& table, TableModel& model, QWidget* parent = nullptr);

    // Selects the table's current row, as after a change by the program.
    void showCurrentRow();

signals:
    // Both give the table row (1 for the first data row).
    void rowClicked(int row);
    void rowDoubleClicked(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void takeCurrentRow(const QModelIndex& index);
    // Column widths from the captions' own spaces as the table starts, kept
    // when later captions lose their spaces (the matching writes bare ones).
    void fitColumnsToCaptions();
    void applyColumnWidths();

    Table& table_;
    QList<int> columnWidths_;
    // The button's release after a double-click is not a click of its own.
    bool releaseEndsDoubleClick_ = false;
};

} // namespace korvanda
