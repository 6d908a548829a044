#include "bouts/BoutResultsFrame.h"

#include "meet/Meet.h"
#include "meet/QtText.h"
#include "shell/NamedControls.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korvanda {

namespace {

// Names and teams only show whom the bout is between; Tab passes them by.
QLineEdit* shownBox(const QString& name, QWidget* parent)
{
    auto* b = namedBox(name, parent);
    b->setReadOnly(true);
    b->setFocusPolicy(Qt::ClickFocus);
    return b;
}

QRadioButton* option(const QString& name, const QString& caption, QButtonGroup* group, int id, QWidget* parent)
{
    auto* o = new QRadioButton(caption, parent);
    o->setObjectName(name);
    group->addButton(o, id);
    return o;
}

// Chooses option `id` of an exclusive group; 0 chooses none. An exclusive
// group keeps its choice against every uncheck, so it is opened meanwhile.
void choose(QButtonGroup* group, int id)
{
    if (QAbstractButton* chosen = group->button(id)) {
        chosen->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* o : group->buttons())
        o->setChecked(false);
    group->setExclusive(true);
}

int chosenId(const QButtonGroup* group)
{
    return std::max(0, group->checkedId());
}

} // namespace

BoutResultsFrame::BoutResultsFrame(Meet& meet, Dialogs& dialogs, QWidget* parent)
    : QGroupBox(tr("Results"), parent)
    , meet_(meet)
    , dialogs_(dialogs)
{
    setObjectName(QStringLiteral("BoutResultsFrame"));
    auto* grid = new QGridLayout(this);

    boutNumber_ = namedBox(QStringLiteral("BoutNumberBox"), this);
    boutNumber_->setMaximumWidth(60);
    grid->addWidget(new QLabel(tr("Bout"), this), 0, 0);
    grid->addWidget(boutNumber_, 0, 1, Qt::AlignLeft);

    grid->addWidget(new QLabel(tr("Winner"), this), 1, 0);
    grid->addWidget(new QLabel(tr("Wrestler"), this), 1, 1);
    grid->addWidget(new QLabel(tr("Team"), this), 1, 2);
    grid->addWidget(new QLabel(tr("Points"), this), 1, 3);

    auto* winnerFrame = new QFrame(this);
    winnerFrame->setObjectName(QStringLiteral("WinnerOptionFrame"));
    auto* winnerColumn = new QVBoxLayout(winnerFrame);
    winnerColumn->setContentsMargins(0, 0, 0, 0);
    winner_ = new QButtonGroup(winnerFrame);
    for (int k = 0; k < 2; ++k) {
        const int wrestler = k + 1;
        auto* o = option(QStringLiteral("WinnerOption%1").arg(wrestler), QString(), winner_, wrestler, winnerFrame);
        o->setAccessibleName(tr("Wrestler %1 won").arg(wrestler));
        winnerColumn->addWidget(o);
        names_[k] = shownBox(QStringLiteral("ResultsNameBox%1").arg(wrestler), this);
        names_[k]->setMinimumWidth(180);
        teams_[k] = shownBox(QStringLiteral("ResultsTeamBox%1").arg(wrestler), this);
        teams_[k]->setMaximumWidth(70);
        points_[k] = namedBox(QStringLiteral("ResultsPointsBox%1").arg(wrestler), this);
        points_[k]->setMaximumWidth(60);
        grid->addWidget(names_[k], 2 + k, 1);
        grid->addWidget(teams_[k], 2 + k, 2);
        grid->addWidget(points_[k], 2 + k, 3);
    }
    grid->addWidget(winnerFrame, 2, 0, 2, 1);

    auto* winByFrame = new QFrame(this);
    winByFrame->setObjectName(QStringLiteral("WinByOptionFrame"));
    auto* winByGrid = new QGridLayout(winByFrame);
    winByGrid->setContentsMargins(0, 0, 0, 0);
    winBy_ = new QButtonGroup(winByFrame);
    for (int type = ResultType::Fall; type <= ResultType::Scratch; ++type) {
        auto* o = option(QStringLiteral("WinByOption%1").arg(type),
            QString::fromLatin1(resultTypeCaptions[static_cast<std::size_t>(type)]), winBy_, type, winByFrame);
        winByGrid->addWidget(o, (type - 1) % 4, (type - 1) / 4);
    }
    grid->addWidget(new QLabel(tr("By"), this), 4, 0, Qt::AlignTop);
    grid->addWidget(winByFrame, 4, 1, 1, 3);

    auto* commands = new QHBoxLayout;
    acceptButton_ = namedButton("AcceptButton", tr("Accept"), this);
    clearButton_ = namedButton("ClearButton", tr("Clear"), this);
    commands->addWidget(acceptButton_);
    commands->addWidget(clearButton_);
    commands->addStretch();
    grid->addLayout(commands, 5, 0, 1, 4);

    connect(acceptButton_, &QPushButton::clicked, this, &BoutResultsFrame::accept);
    connect(clearButton_, &QPushButton::clicked, this, &BoutResultsFrame::clear);
}

ResultEntry BoutResultsFrame::contents() const
{
    ResultEntry entry;
    entry.boutNumber = fromQt(boutNumber_->text());
    entry.name1 = fromQt(names_[0]->text());
    entry.name2 = fromQt(names_[1]->text());
    entry.team1 = fromQt(teams_[0]->text());
    entry.team2 = fromQt(teams_[1]->text());
    entry.points1 = fromQt(points_[0]->text());
    entry.points2 = fromQt(points_[1]->text());
    entry.winner = chosenId(winner_);
    entry.resultType = chosenId(winBy_);
    return entry;
}

void BoutResultsFrame::show(const ResultEntry& entry)
{
    boutNumber_->setText(toQt(entry.boutNumber));
    names_[0]->setText(toQt(entry.name1));
    names_[1]->setText(toQt(entry.name2));
    teams_[0]->setText(toQt(entry.team1));
    teams_[1]->setText(toQt(entry.team2));
    points_[0]->setText(toQt(entry.points1));
    points_[1]->setText(toQt(entry.points2));
    choose(winner_, entry.winner);
    choose(winBy_, entry.resultType);
}

void BoutResultsFrame::boutClicked(int row)
{
    show(selectBout(meet_.boutGrid, row, contents()));
}

void BoutResultsFrame::accept()
{
    // The check may turn a blank points box into "0" or switch the winner
    // off for a draw, so the frame shows what it left even when it refused.
    ResultEntry entry = contents();
    acceptResult(meet_, entry, dialogs_);
    show(entry);
    emit boutsChanged();
}

void BoutResultsFrame::clear()
{
    show(ResultEntry {});
}

QList<QWidget*> BoutResultsFrame::tabStops() const
{
    QList<QWidget*> stops { boutNumber_, points_[0], points_[1] };
    for (QAbstractButton* o : winner_->buttons())
        stops.append(o);
    for (QAbstractButton* o : winBy_->buttons())
        stops.append(o);
    stops.append(acceptButton_);
    stops.append(clearButton_);
    return stops;
}

} // namespace korvanda
