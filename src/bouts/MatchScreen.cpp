#include "bouts/MatchScreen.h"

#include "bouts/BoutResultsFrame.h"
#include "bouts/DialogPrintChoices.h"
#include "bouts/ListPrinter.h"
#include "bouts/MatSchedule.h"
#include "bouts/ScheduleScreen.h"
#include "bouts/WriteFiles.h"
#include "handmatch/BoutRemoval.h"
#include "meet/Dialogs.h"
#include "meet/Meet.h"
#include "meet/QtText.h"
#include "meet/TableModels.h"
#include "meet/TableView.h"
#include "teams/TeamScreen.h"
#include "widgets/NamedControls.h"
#include "widgets/WindowPlacement.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvanda {

MatchScreen::MatchScreen(Meet& meet, TableModels& models, Dialogs& dialogs, const TeamScreen& team,
    ScheduleScreen& schedule, QWidget* parent)
    : WorkingWindow(QStringLiteral("MatchScreen"), tr("Bout List"), parent)
    , meet_(meet)
    , models_(models)
    , dialogs_(dialogs)
    , team_(team)
    , schedule_(schedule)
    , dialogChoices_(std::make_unique<DialogPrintChoices>())
    , printChoices_(dialogChoices_.get())
{
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    boutGrid_ = new TableView(meet_.boutGrid, models_.boutGrid(), central);
    boutGrid_->setObjectName(QStringLiteral("BoutGrid"));
    boutGrid_->setAccessibleName(tr("Bout list"));
    // Both wrestlers' columns carry the same captions, and a blank one
    // opens each side.
    QStringList spoken { tr("Bout"), tr("Mat") };
    for (int wrestler = 1; wrestler <= 2; ++wrestler) {
        spoken.append(tr("Wrestler %1").arg(wrestler));
        for (const QString& caption :
            { tr("Name"), tr("Age"), tr("Weight"), tr("Skill"), tr("Team"), tr("Pts."), tr("Winner") })
            spoken.append(tr("%1, wrestler %2").arg(caption).arg(wrestler));
    }
    models_.boutGrid().setSpokenCaptions(spoken);
    layout->addWidget(boutGrid_, 1);

    auto* side = new QVBoxLayout;
    layout->addLayout(side);
    results_ = new BoutResultsFrame(meet_, dialogs_, central);
    side->addWidget(results_);

    auto* removeLastButton = namedButton("RemoveLastButton", tr("Remove Last"), central);
    auto* scheduleButton = namedButton("ScheduleButton", tr("Schedule"), central);
    auto* byWeightButton = namedButton("ScheduleByWeightButton", tr("Schedule by Weight"), central);
    auto* writeFilesButton = namedButton("WriteFilesButton", tr("Write Files"), central);
    auto* printButton = namedButton("PrintButton", tr("Print..."), central);
    auto* exportPdfButton = namedButton("ExportPdfButton", tr("Export PDF..."), central);
    auto* exportResultsButton = namedButton("ExportResultsButton", tr("Export Results..."), central);
    exportResultsButton->setAccessibleDescription(
        tr("Writes the bouts and the team tally as a workbook and CSV files"));
    for (auto* b : { removeLastButton, scheduleButton, byWeightButton, writeFilesButton, printButton, exportPdfButton,
             exportResultsButton })
        side->addWidget(b);
    removeLastButton->setAccessibleDescription(tr("Removes the last bout of the list after asking"));
    scheduleButton->setAccessibleDescription(tr("Deals the bouts to the mats in turn"));
    byWeightButton->setAccessibleDescription(tr("Gives the lightest bouts to mat 1, the next to mat 2, and so on"));
    writeFilesButton->setAccessibleDescription(tr("Writes the roster, bout list, score list, bout sheets and tally"));
    side->addStretch();

    setCentralWidget(central);
    WindowPlacement::keep(*this, { 1240, 640 });

    QList<QWidget*> tabOrder { boutGrid_ };
    tabOrder.append(results_->tabStops());
    tabOrder.append({ removeLastButton, scheduleButton, byWeightButton, writeFilesButton, printButton, exportPdfButton,
        exportResultsButton });
    for (qsizetype k = 1; k < tabOrder.size(); ++k)
        setTabOrder(tabOrder[k - 1], tabOrder[k]);

    connect(boutGrid_, &TableView::rowClicked, results_, &BoutResultsFrame::boutClicked);
    connect(results_, &BoutResultsFrame::boutChosen, this, [this](int row) {
        meet_.boutGrid.setCurrentRow(row);
        boutGrid_->showCurrentRow();
        results_->boutClicked(row);
    });
    connect(results_, &BoutResultsFrame::boutsChanged, &models_, &TableModels::refresh);
    connect(removeLastButton, &QPushButton::clicked, this, &MatchScreen::removeLast);
    connect(scheduleButton, &QPushButton::clicked, this, [this] { scheduleMats(false); });
    connect(byWeightButton, &QPushButton::clicked, this, [this] { scheduleMats(true); });
    connect(writeFilesButton, &QPushButton::clicked, this, &MatchScreen::writeFiles);
    connect(printButton, &QPushButton::clicked, this, &MatchScreen::printList);
    connect(exportPdfButton, &QPushButton::clicked, this, &MatchScreen::exportPdf);
    connect(exportResultsButton, &QPushButton::clicked, this, &MatchScreen::exportResultsRequested);
}

MatchScreen::~MatchScreen() = default;

void MatchScreen::setPrintChoices(PrintChoices& choices)
{
    printChoices_ = &choices;
}

void MatchScreen::removeLast()
{
    removeLastBout(meet_, dialogs_);
    models_.refresh();
}

void MatchScreen::scheduleMats(bool byWeight)
{
    if (scheduleBouts(meet_, fromQt(team_.matsText()), byWeight, dialogs_, schedule_.schedule()))
        schedule_.showSchedule();
    models_.refresh();
}

ListOptions MatchScreen::listOptions() const
{
    return { team_.omitAbsents(), team_.bListSkills(), team_.bSheetSkills() };
}

PrintDate MatchScreen::today() const
{
    // The date line of the bout sheets speaks the system's language.
    const QDate today = QDate::currentDate();
    const QLocale locale = QLocale::system();
    return { fromQt(locale.dayName(today.dayOfWeek(), QLocale::LongFormat)),
        fromQt(locale.monthName(today.month(), QLocale::ShortFormat)), today.day(), today.year() };
}

void MatchScreen::writeFiles()
{
    korvanda::writeFiles(meet_, listOptions(), today(), dialogs_);
}

std::optional<std::pair<MeetList, std::string>> MatchScreen::chosenList(const QString& title)
{
    const std::optional<MeetList> list = printChoices_->chooseList(this, title);
    if (!list)
        return std::nullopt;
    std::string text = listText(meet_, *list, listOptions(), today());
    if (text.empty()) {
        // A blank sheet of paper tells the director nothing.
        dialogs_.inform(std::string("The ") + listName(*list) + " is empty; there is nothing to print.");
        return std::nullopt;
    }
    return std::make_pair(*list, std::move(text));
}

void MatchScreen::printList()
{
    const auto chosen = chosenList(tr("Print"));
    if (chosen)
        ListPrinter(chosen->second, QString::fromLatin1(listName(chosen->first))).preview(this);
}

void MatchScreen::exportPdf()
{
    const auto chosen = chosenList(tr("Export PDF"));
    if (!chosen)
        return;
    // "BoutSheets.Txt" becomes "BoutSheets.pdf" beside it in the meet's folder.
    const std::filesystem::path suggested
        = meet_.directory / std::filesystem::path(listFileName(chosen->first)).replace_extension(".pdf");
    const QString file = printChoices_->choosePdfFile(this, QString::fromStdU16String(suggested.u16string()));
    if (file.isEmpty())
        return;
    const std::filesystem::path path(file.toStdU16String());
    if (!ListPrinter(chosen->second, QString::fromLatin1(listName(chosen->first))).writePdf(path))
        dialogs_.warn("Couldn't write " + fromQt(file) + "; the folder may be read-only or the disk full.");
}

} // namespace korvanda
