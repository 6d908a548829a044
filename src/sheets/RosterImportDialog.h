#pragma once

#include "sheets/RosterSheet.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QDateEdit;
class QLabel;
class QTableWidget;

namespace korvanda {

class Dialogs;

// The preview of a coach's sheet before it becomes a team's data file:
// what each column is taken for (each choice changeable), the meet's day
// for ages from birth dates, and every row as it will be written or why
// it is left out. Nothing is written before "Import".
class RosterImportDialog : public QDialog {
    Q_OBJECT
public:
    RosterImportDialog(
        const Meet& meet, int teamRow, Sheet sheet, SheetColumns columns, Dialogs& dialogs, QWidget* parent = nullptr);

    const std::vector<RosterSheetRow>& rows() const { return rows_; }

private:
    void updatePreview();
    void import();

    const Meet& meet_;
    int teamRow_;
    Sheet sheet_;
    SheetColumns columns_;
    Dialogs& dialogs_;
    std::vector<QComboBox*> choices_;
    QDateEdit* meetDate_;
    QTableWidget* preview_;
    QLabel* summary_;
    std::vector<RosterSheetRow> rows_;
};

} // namespace korvanda
