#include "meet/TableView.h"

#include "meet/Table.h"
#include "meet/TableModel.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace korvanda {

TableView::TableView(Table& table, TableModel& model, QWidget* parent)
    : QTableView(parent)
    , table_(table)
{
    setModel(&model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    // Tab leaves a grid for the next control; the arrows move within it.
    setTabKeyNavigation(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (releaseEndsDoubleClick_) {
            releaseEndsDoubleClick_ = false;
            return;
        }
        takeCurrentRow(index);
        emit rowClicked(table_.currentRow());
    });
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        releaseEndsDoubleClick_ = true;
        takeCurrentRow(index);
        emit rowDoubleClicked(table_.currentRow());
    });
    connect(&model, &QAbstractItemModel::modelReset, this, [this] {
        applyColumnWidths();
        showCurrentRow();
    });
    fitColumnsToCaptions();
}

void TableView::mousePressEvent(QMouseEvent* event)
{
    releaseEndsDoubleClick_ = false;
    QTableView::mousePressEvent(event);
}

void TableView::keyPressEvent(QKeyEvent* event)
{
    // Keyboard users move with the arrows and pick the row with Enter, as a
    // click would.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        takeCurrentRow(currentIndex());
        emit rowClicked(table_.currentRow());
        return;
    }
    QTableView::keyPressEvent(event);
}

void TableView::takeCurrentRow(const QModelIndex& index)
{
    if (index.isValid())
        table_.setCurrentRow(index.row() + 1);
}

void TableView::fitColumnsToCaptions()
{
    if (table_.rowCount() == 0)
        return;
    // A caption's spaces count at about half a digit's width, as the
    // captions were laid out for a narrower face than the grid's.
    const int charWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int c = 0; c < table_.columnCount(); ++c) {
        const QString caption = QString::fromLatin1(table_.cell(0, c).c_str());
        const int byCaption = static_cast<int>(caption.size()) * charWidth * 3 / 5;
        const int byText = fontMetrics().horizontalAdvance(caption.trimmed()) + 2 * charWidth;
        columnWidths_.append(std::max(byCaption, byText));
    }
    applyColumnWidths();
}

void TableView::applyColumnWidths()
{
    for (int c = 0; c < columnWidths_.size() && c < model()->columnCount(); ++c)
        setColumnWidth(c, columnWidths_[c]);
}

void TableView::showCurrentRow()
{
    const int row = table_.currentRow() - 1;
    if (row >= 0 && row < model()->rowCount())
        selectRow(row);
}

} // namespace korvanda
