#include "sheets/RosterImportDialog.h"

#include "meet/QtText.h"
#include "sheets/PreviewRow.h"
#include "widgets/NamedControls.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvanda {

namespace {

// "A", "B", ... "AA": the column letters the coach sees in his program.
QString columnLetters(std::size_t column)
{
    QString letters;
    for (std::size_t n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(static_cast<char>('A' + (n - 1) % 26)));
    return letters;
}

} // namespace

RosterImportDialog::RosterImportDialog(
    const Meet& meet, int teamRow, Sheet sheet, SheetColumns columns, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , meet_(meet)
    , teamRow_(teamRow)
    , sheet_(std::move(sheet))
    , columns_(std::move(columns))
    , dialogs_(dialogs)
{
    setObjectName(QStringLiteral("RosterImportDialog"));
    const QString team = toQt(meet_.teamList.cell(teamRow_, TeamColumn::Name)).trimmed();
    setWindowTitle(tr("Import Roster for %1").arg(team));
    auto* layout = new QVBoxLayout(this);

    auto* columnFrame = new QGroupBox(tr("Columns"), this);
    auto* form = new QFormLayout(columnFrame);
    const auto& header = sheet_.rows[columns_.headerRow];
    for (std::size_t c = 0; c < header.size(); ++c) {
        auto* choice = new QComboBox(columnFrame);
        choice->setObjectName(QStringLiteral("ColumnChoice%1").arg(c));
        for (const ColumnKind kind : columnKinds())
            choice->addItem(tr(columnKindCaption(kind)), static_cast<int>(kind));
        choice->setCurrentIndex(choice->findData(static_cast<int>(columns_.kindOf(c))));
        const QString label = QStringLiteral("%1  %2").arg(columnLetters(c), QString::fromStdString(header[c]));
        form->addRow(label, choice);
        choice->setAccessibleName(tr("Column %1, taken as").arg(label));
        choices_.push_back(choice);
        connect(choice, &QComboBox::currentIndexChanged, this, &RosterImportDialog::updatePreview);
    }
    auto* columnScroll = new QScrollArea(this);
    columnScroll->setWidget(columnFrame);
    columnScroll->setWidgetResizable(true);
    columnScroll->setMaximumHeight(200);
    layout->addWidget(columnScroll);

    auto* dateForm = new QFormLayout;
    meetDate_ = new QDateEdit(QDate::currentDate(), this);
    meetDate_->setObjectName(QStringLiteral("MeetDateBox"));
    meetDate_->setCalendarPopup(true);
    meetDate_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateForm->addRow(tr("Ages from birth dates on"), meetDate_);
    meetDate_->setAccessibleName(tr("Ages from birth dates on"));
    layout->addLayout(dateForm);
    connect(meetDate_, &QDateEdit::dateChanged, this, &RosterImportDialog::updatePreview);

    preview_ = new QTableWidget(0, 6, this);
    preview_->setObjectName(QStringLiteral("PreviewTable"));
    preview_->setAccessibleName(tr("Wrestlers as they will be written"));
    preview_->setHorizontalHeaderLabels({ tr("Row"), tr("Name"), tr("Age"), tr("Wgt"), tr("Skill"), tr("Problem") });
    preview_->verticalHeader()->hide();
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(preview_, 1);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("SummaryLabel"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);

    auto* buttons = new QDialogButtonBox(this);
    auto* importButton = namedButton(QStringLiteral("ImportButton"), tr("Import"), this);
    auto* cancelButton = namedButton(QStringLiteral("CancelButton"), tr("Cancel"), this);
    buttons->addButton(importButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelButton, QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(importButton, &QPushButton::clicked, this, &RosterImportDialog::import);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    resize(760, 560);
    updatePreview();
}

void RosterImportDialog::updatePreview()
{
    for (std::size_t c = 0; c < choices_.size(); ++c) {
        if (columns_.kinds.size() <= c)
            columns_.kinds.resize(c + 1, ColumnKind::Ignore);
        columns_.kinds[c] = static_cast<ColumnKind>(choices_[c]->currentData().toInt());
    }
    const QDate day = meetDate_->date();
    rows_ = rosterSheetRows(sheet_, columns_, dayNumber(day.year(), day.month(), day.day()));
    preview_->setRowCount(static_cast<int>(rows_.size()));
    int leftOut = 0;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const RosterSheetRow& row = rows_[r];
        QString problem = toQt(row.problem);
        if (row.nameApproximated)
            problem = (problem.isEmpty() ? QString() : problem + QStringLiteral("; "))
                + tr("name in its closest Latin-1 form");
        setPreviewRow(preview_, static_cast<int>(r),
            { QString::number(row.sheetRow), toQt(row.name), toQt(row.age), toQt(row.weight), toQt(row.skill),
                problem },
            !row.problem.empty());
        leftOut += row.problem.empty() ? 0 : 1;
    }
    preview_->resizeColumnsToContents();
    const QString file = toQt(meet_.teamList.cell(teamRow_, TeamColumn::DataFile)).trimmed() + QStringLiteral(".Csv");
    summary_->setText(tr("%1 wrestlers will be written to %2; %3 left out.")
                          .arg(static_cast<int>(rows_.size()) - leftOut)
                          .arg(file)
                          .arg(leftOut));
}

void RosterImportDialog::import()
{
    if (importRosterSheet(meet_, teamRow_, rows_, dialogs_))
        accept();
}

} // namespace korvanda
