#include "sheets/WeighInDialog.h"

#include "meet/QtText.h"
#include "sheets/PreviewRow.h"
#include "widgets/NamedControls.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvanda {

namespace {

QString noteOf(const WeighInRow& row)
{
    switch (row.match) {
    case WeighInRow::Match::NotFound:
        return QObject::tr("not found");
    case WeighInRow::Match::TwoWrestlers:
        return QObject::tr("two wrestlers of that name");
    case WeighInRow::Match::BadWeight:
        return QObject::tr("no readable weight");
    case WeighInRow::Match::Found:
        break;
    }
    return row.hasBouts ? QObject::tr("has bouts: they keep the weight they were matched with") : QString();
}

} // namespace

WeighInDialog::WeighInDialog(
    Meet& meet, const Sheet& sheet, const SheetColumns& columns, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , meet_(meet)
    , dialogs_(dialogs)
    , rows_(weighInRows(meet, sheet, columns))
{
    setObjectName(QStringLiteral("WeighInDialog"));
    setWindowTitle(tr("Update Weights"));
    auto* layout = new QVBoxLayout(this);
    auto* table = new QTableWidget(static_cast<int>(rows_.size()), 6, this);
    table->setObjectName(QStringLiteral("WeighInTable"));
    table->setAccessibleName(tr("Weights from the weigh-in sheet"));
    table->setHorizontalHeaderLabels({ tr("Row"), tr("Name"), tr("Team"), tr("Old"), tr("New"), tr("Note") });
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    int found = 0;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const WeighInRow& row = rows_[r];
        const bool applies = row.match == WeighInRow::Match::Found;
        found += applies ? 1 : 0;
        const QStringList texts = { QString::number(row.sheetRow), toQt(row.name), toQt(row.team), toQt(row.oldWeight),
            toQt(row.newWeight), noteOf(row) };
        setPreviewRow(table, static_cast<int>(r), texts, !applies);
    }
    table->resizeColumnsToContents();
    layout->addWidget(table, 1);
    auto* summary = new QLabel(tr("%1 of %2 rows change a wrestler's weight.").arg(found).arg(rows_.size()), this);
    summary->setObjectName(QStringLiteral("SummaryLabel"));
    layout->addWidget(summary);

    auto* buttons = new QDialogButtonBox(this);
    auto* applyButton = namedButton(QStringLiteral("ApplyButton"), tr("Apply"), this);
    auto* cancelButton = namedButton(QStringLiteral("CancelButton"), tr("Cancel"), this);
    applyButton->setEnabled(found > 0);
    buttons->addButton(applyButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelButton, QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(applyButton, &QPushButton::clicked, this, &WeighInDialog::apply);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    resize(680, 480);
}

void WeighInDialog::apply()
{
    applyWeighIn(meet_, rows_, dialogs_);
    accept();
}

} // namespace korvanda
