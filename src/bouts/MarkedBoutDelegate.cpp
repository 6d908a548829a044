#include "bouts/MarkedBoutDelegate.h"

#include <QBrush>
#include <QColor>

namespace korvanda {

void MarkedBoutDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    bool isNumber = false;
    // Column 0 of a mat table holds the bout number.
    const int bout = index.siblingAtColumn(0).data().toString().trimmed().toInt(&isNumber);
    if (isNumber && marked_.count(bout)) {
        option->backgroundBrush = QBrush(QColor(255, 190, 110));
        option->palette.setColor(QPalette::Text, Qt::black);
    }
}

} // namespace korvanda
