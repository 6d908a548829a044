#pragma once

#include "sheets/WeighIn.h"

#include <QDialog>

#include <vector>

class QTableWidget;

namespace korvanda {

class Dialogs;

// The preview of a weigh-in sheet: per row the wrestler it is for, his old
// and new weight, or why nothing will change. "Apply" writes the weights.
class WeighInDialog : public QDialog {
    Q_OBJECT
public:
    WeighInDialog(
        Meet& meet, const Sheet& sheet, const SheetColumns& columns, Dialogs& dialogs, QWidget* parent = nullptr);

private:
    void apply();

    Meet& meet_;
    Dialogs& dialogs_;
    std::vector<WeighInRow> rows_;
};

} // namespace korvanda
