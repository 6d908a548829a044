#include "bouts/MatchScreen.h"

#include "bouts/BoutResultsFrame.h"
#include "bouts/MatSchedule.h"
#include "bouts/ScheduleScreen.h"
#include "bouts/WriteFiles.h"
#include "handmatch/BoutRemoval.h"
#include "meet/Meet.h"
#include "meet/QtText.h"
#include "meet/TableModels.h"
#include "meet/TableView.h"
#include "shell/NamedControls.h"
#include "shell/WindowPlacement.h"
#include "teams/TeamScreen.h"

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
{
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    boutGrid_ = new TableView(meet_.boutGrid, models_.boutGrid(), central);
    boutGrid_->setObjectName(QStringLiteral("BoutGrid"));
    // Tab leaves the list for the results frame; the arrows move in it.
    boutGrid_->setTabKeyNavigation(false);
    layout->addWidget(boutGrid_, 1);

    auto* side = new QVBoxLayout;
    layout->addLayout(side);
    results_ = new BoutResultsFrame(meet_, dialogs_, central);
    side->addWidget(results_);

    auto* removeLastButton = namedButton("RemoveLastButton", tr("Remove Last"), central);
    auto* scheduleButton = namedButton("ScheduleButton", tr("Schedule"), central);
    auto* byWeightButton = namedButton("ScheduleByWeightButton", tr("Schedule by Weight"), central);
    auto* writeFilesButton = namedButton("WriteFilesButton", tr("Write Files"), central);
    for (auto* b : { removeLastButton, scheduleButton, byWeightButton, writeFilesButton })
        side->addWidget(b);
    side->addStretch();

    setCentralWidget(central);
    WindowPlacement::keep(*this, { 1240, 640 });

    QList<QWidget*> tabOrder { boutGrid_ };
    tabOrder.append(results_->tabStops());
    tabOrder.append({ removeLastButton, scheduleButton, byWeightButton, writeFilesButton });
    for (qsizetype k = 1; k < tabOrder.size(); ++k)
        setTabOrder(tabOrder[k - 1], tabOrder[k]);

    connect(boutGrid_, &TableView::rowClicked, results_, &BoutResultsFrame::boutClicked);
    connect(results_, &BoutResultsFrame::boutsChanged, &models_, &TableModels::refresh);
    connect(removeLastButton, &QPushButton::clicked, this, &MatchScreen::removeLast);
    connect(scheduleButton, &QPushButton::clicked, this, [this] { scheduleMats(false); });
    connect(byWeightButton, &QPushButton::clicked, this, [this] { scheduleMats(true); });
    connect(writeFilesButton, &QPushButton::clicked, this, &MatchScreen::writeFiles);
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

void MatchScreen::writeFiles()
{
    // The date line of the bout sheets speaks the system's language.
    const QDate today = QDate::currentDate();
    const QLocale locale = QLocale::system();
    const PrintDate date { fromQt(locale.dayName(today.dayOfWeek(), QLocale::LongFormat)),
        fromQt(locale.monthName(today.month(), QLocale::ShortFormat)), today.day(), today.year() };
    const ListOptions options { team_.omitAbsents(), team_.bListSkills(), team_.bSheetSkills() };
    korvanda::writeFiles(meet_, options, date, dialogs_);
}

} // namespace korvanda
