#include "sheets/PreviewRow.h"

#include <QTableWidget>

namespace korvanda {

void setPreviewRow(QTableWidget* table, int row, const QStringList& texts, bool leftOut)
{
    for (int c = 0; c < texts.size(); ++c) {
        auto* item = new QTableWidgetItem(texts[c]);
        if (leftOut)
            item->setForeground(QColor(0xa0, 0, 0));
        table->setItem(row, c, item);
    }
}

} // namespace korvanda
