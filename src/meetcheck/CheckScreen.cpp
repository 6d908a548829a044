#include "meetcheck/CheckScreen.h"

#include "bouts/ScheduleScreen.h"
#include "meet/Meet.h"
#include "meet/Numbers.h"
#include "meet/QtText.h"
#include "meet/TableModel.h"
#include "meet/TableModels.h"
#include "meet/TableView.h"
#include "meetcheck/CheckReport.h"
#include "roster/WrestlerScreen.h"
#include "widgets/MeetSettings.h"
#include "widgets/NamedControls.h"
#include "widgets/WindowPlacement.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace korvanda {

namespace {

constexpr const char* shortCaptions
    = "Name                        |Team  |Age |Wgt |Skill|Bouts|Proposed opponent          "
      "|Team  |Note                 ";
constexpr const char* restCaptions = "Name                        |Team  |Rest|Bout|Mat|Bout|Mat";
constexpr const char* matCaptions = "Mat|Bouts|Results|Ends              ";

// A table filled from scratch: its header, then one tab-separated row each.
// Only the short list is picked from; the others are read.
void refill(Table& table, const std::vector<std::string>& rows, bool keepsChoice)
{
    table.setRowCount(1);
    for (const auto& row : rows)
        table.appendRow(row);
    const int last = table.rowCount() - 1;
    table.setCurrentRow(keepsChoice && last > 0 ? std::clamp(table.currentRow(), 1, last) : 0);
}

std::string joinTabs(std::initializer_list<std::string> cells)
{
    std::string joined;
    bool first = true;
    for (const auto& cell : cells) {
        if (!first)
            joined += '\t';
        first = false;
        joined += cell;
    }
    return joined;
}

TableView* addList(
    QWidget* parent, QVBoxLayout* layout, const QString& title, const char* name, Table& table, TableModel*& model)
{
    auto* frame = new QGroupBox(title, parent);
    auto* inner = new QVBoxLayout(frame);
    model = new TableModel(table, frame);
    auto* view = new TableView(table, *model, frame);
    view->setObjectName(QString::fromLatin1(name));
    view->setTabKeyNavigation(false);
    view->setAccessibleName(title);
    view->horizontalHeader()->setStretchLastSection(true);
    inner->addWidget(view);
    layout->addWidget(frame, 1);
    return view;
}

} // namespace

CheckScreen::CheckScreen(Meet& meet, TableModels& models, Dialogs& dialogs, const WrestlerScreen& wrestlers,
    ScheduleScreen& schedule, QWidget* parent)
    : WorkingWindow(QStringLiteral("CheckScreen"), tr("Meet Check"), parent)
    , meet_(meet)
    , dialogs_(dialogs)
    , wrestlers_(wrestlers)
    , schedule_(schedule)
    , shortTable_(Table::withCaptions(shortCaptions))
    , restTable_(Table::withCaptions(restCaptions))
    , matTable_(Table::withCaptions(matCaptions))
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* controls = new QHBoxLayout;
    auto* refreshButton = namedButton("RefreshButton", tr("Refresh"), central);
    auto* reportButton = namedButton("WriteReportButton", tr("Write Report"), central);
    auto* handMatchButton = namedButton("ToHandMatchButton", tr("To Hand Match"), central);
    handMatchButton->setToolTip(tr("Put the chosen short wrestler and his proposed opponent into the hand-match list"));
    minimumRest_ = new QSpinBox(central);
    minimumRest_->setObjectName(QStringLiteral("MinimumRestBox"));
    minimumRest_->setRange(0, 99);
    minutesPerBout_ = new QSpinBox(central);
    minutesPerBout_->setObjectName(QStringLiteral("MinutesPerBoutBox"));
    minutesPerBout_->setRange(1, 60);
    startTime_ = new QTimeEdit(central);
    startTime_->setObjectName(QStringLiteral("StartTimeBox"));
    startTime_->setDisplayFormat(QStringLiteral("HH:mm"));
    auto* boxes = new QFormLayout;
    boxes->addRow(tr("Minimum rest"), minimumRest_);
    boxes->addRow(tr("Minutes per bout"), minutesPerBout_);
    boxes->addRow(tr("Start time"), startTime_);
    minimumRest_->setAccessibleName(tr("Minimum rest, in bouts between"));
    minutesPerBout_->setAccessibleName(tr("Minutes per bout"));
    startTime_->setAccessibleName(tr("Start time"));
    controls->addLayout(boxes);
    auto* buttons = new QVBoxLayout;
    for (auto* button : { refreshButton, reportButton, handMatchButton })
        buttons->addWidget(button);
    controls->addLayout(buttons);
    controls->addStretch();
    layout->addLayout(controls);

    problem_ = new QLabel(central);
    problem_->setObjectName(QStringLiteral("CheckProblemLabel"));
    problem_->setWordWrap(true);
    problem_->hide();
    layout->addWidget(problem_);

    shortView_ = addList(central, layout, tr("Short of bouts"), "ShortGrid", shortTable_, shortModel_);
    shortView_->setToolTip(tr("Double-click a wrestler to hand match him with the proposed opponent"));
    restView_ = addList(central, layout, tr("Rest"), "RestGrid", restTable_, restModel_);
    // The two bouts share their captions; a listener hears which is which.
    restModel_->setSpokenCaptions({ tr("Name"), tr("Team"), tr("Rest"), tr("First bout"), tr("Mat of first bout"),
        tr("Second bout"), tr("Mat of second bout") });
    auto* restNote
        = new QLabel(tr("Rest counts the bouts between a wrestler's two bouts on the mats: 0 is back to back, "
                        "-1 is two mats at the same time. Their bouts are coloured on the mat schedule."),
            central);
    restNote->setWordWrap(true);
    layout->addWidget(restNote);
    matView_ = addList(central, layout, tr("Mats"), "MatFiguresGrid", matTable_, matModel_);

    setCentralWidget(central);
    WindowPlacement::keep(*this, QSize(1000, 680));

    // The boxes first, then what they change; the short list before the
    // button that takes its chosen wrestler to the roster window.
    const QList<QWidget*> tabOrder { minimumRest_, minutesPerBout_, startTime_, refreshButton, reportButton, shortView_,
        handMatchButton, restView_, matView_ };
    for (qsizetype k = 1; k < tabOrder.size(); ++k)
        setTabOrder(tabOrder[k - 1], tabOrder[k]);

    loadValues();
    connect(refreshButton, &QPushButton::clicked, this, &CheckScreen::refresh);
    connect(reportButton, &QPushButton::clicked, this, &CheckScreen::writeReport);
    connect(handMatchButton, &QPushButton::clicked, this, [this] { takeToHandMatch(shortTable_.currentRow()); });
    connect(shortView_, &TableView::rowDoubleClicked, this, &CheckScreen::takeToHandMatch);
    connect(&models, &TableModels::refreshed, this, &CheckScreen::boutsChanged);
    connect(minimumRest_, &QSpinBox::valueChanged, this, &CheckScreen::valuesChanged);
    connect(minutesPerBout_, &QSpinBox::valueChanged, this, &CheckScreen::valuesChanged);
    connect(startTime_, &QTimeEdit::timeChanged, this, &CheckScreen::valuesChanged);
}

CheckScreen::~CheckScreen()
{
    // The views read the lists to their last moment, so they go first.
    delete takeCentralWidget();
}

void CheckScreen::showEvent(QShowEvent* event)
{
    WorkingWindow::showEvent(event);
    refresh();
}

void CheckScreen::refresh()
{
    if (valuesOf_ != meet_.directory)
        loadValues();
    check_ = checkMeet(meet_, wrestlers_.matchSettings(), values());
    fillTables();
    markSchedule();
}

void CheckScreen::boutsChanged()
{
    // Looking for opponents takes a moment on a big meet; a hidden list
    // waits until it is shown, but the mat tables always show the rest.
    if (isVisible())
        refresh();
    else
        markSchedule();
}

void CheckScreen::valuesChanged()
{
    if (loadingValues_)
        return;
    QSettings settings = programSettings();
    settings.beginGroup(meetSettingsGroup(QStringLiteral("MeetCheck"), meet_.directory));
    settings.setValue(QStringLiteral("MinimumRest"), minimumRest_->value());
    settings.setValue(QStringLiteral("MinutesPerBout"), minutesPerBout_->value());
    settings.setValue(QStringLiteral("StartTime"), startTime_->time().toString(QStringLiteral("HH:mm")));
    boutsChanged();
    emit valuesEdited();
}

void CheckScreen::loadValues()
{
    const CheckValues defaults;
    QSettings settings = programSettings();
    settings.beginGroup(meetSettingsGroup(QStringLiteral("MeetCheck"), meet_.directory));
    QTime start = QTime::fromString(settings.value(QStringLiteral("StartTime")).toString(), QStringLiteral("HH:mm"));
    if (!start.isValid())
        start = QTime(defaults.startMinutes / 60, defaults.startMinutes % 60);
    loadingValues_ = true;
    minimumRest_->setValue(settings.value(QStringLiteral("MinimumRest"), defaults.minimumRest).toInt());
    minutesPerBout_->setValue(settings.value(QStringLiteral("MinutesPerBout"), defaults.minutesPerBout).toInt());
    startTime_->setTime(start);
    loadingValues_ = false;
    valuesOf_ = meet_.directory;
}

CheckValues CheckScreen::values() const
{
    const QTime start = startTime_->time();
    return { minimumRest_->value(), minutesPerBout_->value(), start.hour() * 60 + start.minute() };
}

void CheckScreen::markSchedule()
{
    schedule_.markBouts(shortRestBouts(meet_.boutGrid, minimumRest_->value()));
}

void CheckScreen::fillTables()
{
    std::vector<std::string> rows;
    for (const ShortWrestler& w : check_.shortList.wrestlers)
        rows.push_back(joinTabs({ w.name, w.team, w.age, w.weight, w.skill, std::to_string(w.bouts),
            w.proposedRow > 0 ? w.proposedName : "nobody", w.proposedTeam,
            w.outsideLimits ? "outside Max. limits" : "" }));
    refill(shortTable_, rows, true);

    rows.clear();
    for (const RestGap& gap : check_.shortRests)
        rows.push_back(joinTabs({ gap.name, gap.team, std::to_string(gap.rest), std::to_string(gap.firstBout),
            std::to_string(gap.firstMat), std::to_string(gap.secondBout), std::to_string(gap.secondMat) }));
    refill(restTable_, rows, false);

    rows.clear();
    for (const MatFigure& mat : check_.mats)
        rows.push_back(joinTabs({ std::to_string(mat.mat), std::to_string(mat.bouts), std::to_string(mat.withResults),
            clockText(mat.endMinutes) }));
    refill(matTable_, rows, false);

    for (auto* model : { shortModel_, restModel_, matModel_ })
        model->refresh();
    const std::string& problem = check_.shortList.problem;
    problem_->setText(toQt(problem));
    problem_->setVisible(!problem.empty());
}

void CheckScreen::takeToHandMatch(int tableRow)
{
    const auto& wrestlers = check_.shortList.wrestlers;
    if (tableRow < 1 || tableRow > static_cast<int>(wrestlers.size()))
        return;
    const ShortWrestler& chosen = wrestlers[static_cast<std::size_t>(tableRow - 1)];
    emit handMatchRequested(chosen.rosterRow, chosen.proposedRow);
}

void CheckScreen::writeReport()
{
    refresh();
    writeMeetCheck(meet_, check_, dialogs_);
}

} // namespace korvanda
