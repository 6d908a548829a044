#include "roster/WrestlerScreen.h"

#include "handmatch/HandMatchFrame.h"
#include "matching/AutoMatchFrame.h"
#include "matching/MatchCommand.h"
#include "meet/Meet.h"
#include "meet/QtText.h"
#include "meet/RowSorts.h"
#include "meet/TableModels.h"
#include "meet/TableView.h"
#include "roster/SortArrowBar.h"
#include "roster/WrestlerEditorFrame.h"
#include "teams/TeamScreen.h"
#include "widgets/WindowPlacement.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace korvanda {

WrestlerScreen::WrestlerScreen(
    Meet& meet, TableModels& models, Dialogs& dialogs, const TeamScreen& teamScreen, QWidget* parent)
    : WorkingWindow(QStringLiteral("WrestlerScreen"), tr("Roster of All Wrestlers"), parent)
    , meet_(meet)
    , models_(models)
    , dialogs_(dialogs)
    , teamScreen_(teamScreen)
{
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);

    auto* left = new QVBoxLayout;
    roster_ = new TableView(meet_.roster, models_.roster(), central);
    roster_->setObjectName(QStringLiteral("Roster"));
    roster_->setAccessibleName(tr("Roster"));
    auto* arrows = new SortArrowBar(*roster_, meet_.roster.columnCount(), central);
    left->addWidget(arrows);
    left->addWidget(roster_, 1);
    layout->addLayout(left, 1);

    // The editor and the matching panels stand in two columns beside the
    // roster; on a screen too small for both they scroll, and the roster
    // keeps whatever room is left.
    auto* panels = new QWidget;
    panels->setObjectName(QStringLiteral("RosterPanels"));
    auto* columns = new QHBoxLayout(panels);
    columns->setContentsMargins(0, 0, 0, 0);
    auto* side = new QVBoxLayout;
    editor_ = new WrestlerEditorFrame(meet_, dialogs_, panels);
    side->addWidget(editor_);
    attendance_ = new QCheckBox(tr("Dbl-Click Attendance"), panels);
    attendance_->setObjectName(QStringLiteral("AttendanceCheck"));
    side->addWidget(attendance_);
    auto* weightsButton = new QPushButton(tr("Update Weights..."), panels);
    weightsButton->setObjectName(QStringLiteral("UpdateWeightsButton"));
    weightsButton->setAccessibleDescription(tr("Takes the weights of a weigh-in spreadsheet into the roster"));
    side->addWidget(weightsButton);

    auto* sortFrame = new QGroupBox(tr("Sorting"), panels);
    auto* sortLayout = new QHBoxLayout(sortFrame);
    auto* quickSort = new QRadioButton(tr("Quick Sort"), sortFrame);
    quickSort->setObjectName(QStringLiteral("QuickSortOption"));
    quickSort->setChecked(true);
    stableSort_ = new QRadioButton(tr("Stable Sort"), sortFrame);
    stableSort_->setObjectName(QStringLiteral("StableSortOption"));
    auto* sortGroup = new QButtonGroup(sortFrame);
    sortGroup->addButton(quickSort);
    sortGroup->addButton(stableSort_);
    sortLayout->addWidget(quickSort);
    sortLayout->addWidget(stableSort_);
    side->addWidget(sortFrame);
    side->addStretch();
    columns->addLayout(side);

    auto* matching = new QVBoxLayout;
    autoMatch_ = new AutoMatchFrame(dialogs_, panels);
    matching->addWidget(autoMatch_);
    const auto shownWrestler = [this] {
        const WrestlerEditor shown = editor_->contents();
        return EditorWrestler { shown.name, shown.age, shown.weight, shown.skill, shown.team,
            shown.present == CheckState::Checked };
    };
    handMatch_ = new HandMatchFrame(meet_, dialogs_, models_, shownWrestler, *autoMatch_, panels);
    matching->addWidget(handMatch_);
    matching->addStretch();
    columns->addLayout(matching);

    auto* scroll = new QScrollArea(central);
    scroll->setObjectName(QStringLiteral("RosterPanelsScrollArea"));
    scroll->setAccessibleName(tr("Editor and matching"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(panels);
    // Never narrower than the panels need, so only their height may scroll.
    scroll->setMinimumWidth(panels->minimumSizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());
    layout->addWidget(scroll);

    setCentralWidget(central);
    WindowPlacement::keep(*this, { 1240, 640 });

    connect(roster_, &TableView::rowClicked, editor_, &WrestlerEditorFrame::rosterClicked);
    connect(roster_, &TableView::rowDoubleClicked, this,
        [this] { editor_->rosterDoubleClicked(attendance_->isChecked()); });
    connect(editor_, &WrestlerEditorFrame::rosterChanged, this, &WrestlerScreen::rosterChanged);
    connect(handMatch_, &HandMatchFrame::listCleared, editor_, &WrestlerEditorFrame::cancel);
    connect(arrows, &SortArrowBar::sortRequested, this, &WrestlerScreen::sort);
    connect(autoMatch_, &AutoMatchFrame::matchClicked, this, &WrestlerScreen::match);
    connect(weightsButton, &QPushButton::clicked, this, &WrestlerScreen::updateWeightsRequested);
}

void WrestlerScreen::load()
{
    meet_.currentRow = 1;
    meet_.handMatchesMade = false;
}

MatchSettings WrestlerScreen::matchSettings() const
{
    return autoMatch_->settings(fromQt(teamScreen_.matsText()));
}

void WrestlerScreen::prepareHandMatch(int wrestlerRow, int opponentRow)
{
    handMatch_->cancel();
    const auto pickFromRoster = [this](int rosterRow, int listRow) {
        meet_.roster.setCurrentRow(rosterRow);
        roster_->showCurrentRow();
        editor_->rosterClicked();
        handMatch_->pickInto(listRow);
    };
    pickFromRoster(wrestlerRow, 1);
    if (opponentRow > 0 && handMatch_->secondRowEmpty())
        pickFromRoster(opponentRow, 2);
}

void WrestlerScreen::rosterChanged()
{
    models_.refresh();
    roster_->showCurrentRow();
}

void WrestlerScreen::sort(int column, bool ascending)
{
    sortRoster(meet_.roster, column, ascending, stableSort_->isChecked());
    models_.refresh();
}

void WrestlerScreen::match()
{
    const MatchSettings settings = autoMatch_->settings(fromQt(teamScreen_.matsText()));
    runMatch(meet_, settings, dialogs_, [this](int percent) { autoMatch_->setProgress(percent); });
    models_.refresh();
}

} // namespace korvanda
