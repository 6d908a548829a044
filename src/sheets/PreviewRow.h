#pragma once

#include <QStringList>

class QTableWidget;

namespace korvanda {

// One row of a sheet's preview; a row that will be left out, or changes
// nothing, is shown in dark red so the director sees it before applying.
void setPreviewRow(QTableWidget* table, int row, const QStringList& texts, bool leftOut);

} // namespace korvanda
