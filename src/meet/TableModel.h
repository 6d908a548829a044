#pragma once

#include "meet/Table.h"

#include <QAbstractTableModel>

namespace korvanda {

// Shows a meet table as it stands: row 0 becomes the header, data row r
// becomes view row r - 1. It holds no copy; refresh() after every change.
class TableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TableModel(const Table& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Tells the views that the table may have changed in any way.
    void refresh();

    const Table& table() const { return table_; }

    // What a listener hears for each column where the captions alone are
    // blank or repeated; columns past the list are heard by their captions.
    void setSpokenCaptions(const QStringList& captions) { spokenCaptions_ = captions; }

private:
    const Table& table_;
    int shownRows_ = 0;
    int shownColumns_ = 0;
    QStringList spokenCaptions_;
};

} // namespace korvanda
