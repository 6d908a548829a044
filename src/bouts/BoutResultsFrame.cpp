#include "bouts/BoutResultsFrame.h"

#include "meet/Meet.h"
#include "meet/QtText.h"
#include "widgets/NamedControls.h"
#include "widgets/QuickOption.h"
#include "widgets/SpokenNames.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
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

// The access key of each result type, distinct within the window and
// clear of the menu bar's F, W and A.
constexpr std::array<char, 9> resultTypeKeys = { 0, 'l', 'T', 'S', 'M', 'D', 'r', 'o', 'c' };

// The result type's caption with its access key marked before the key's
// first letter; the words stay as they are.
QString keyedCaption(int type)
{
    QString caption = QString::fromLatin1(resultTypeCaptions[static_cast<std::size_t>(type)]);
    const qsizetype at = caption.indexOf(QLatin1Char(resultTypeKeys[static_cast<std::size_t>(type)]));
    return at < 0 ? caption : caption.insert(at, QLatin1Char('&'));
}

QRadioButton* option(const QString& name, const QString& caption, QButtonGroup* group, int id, QWidget* parent)
{
    auto* o = new QuickOption(caption, parent);
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
    auto* boutLabel = new QLabel(tr("&Bout"), this);
    boutLabel->setBuddy(boutNumber_);
    nameAfterLabel(boutNumber_, boutLabel->text(), tr("number"),
        tr("Type a bout number and press Enter to show that bout; Enter elsewhere in the frame accepts"));
    grid->addWidget(boutLabel, 0, 0);
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
        o->setAccessibleName(tr("Winner: wrestler %1").arg(wrestler));
        o->setAccessibleDescription(tr("Alt+%1 chooses wrestler %1 as the winner").arg(wrestler));
        // The option shows no caption to carry an access key, so the
        // wrestler's number is the key.
        auto* key = new QShortcut(QKeySequence(Qt::ALT | (Qt::Key_0 + wrestler)), this);
        connect(key, &QShortcut::activated, o, &QAbstractButton::click);
        winnerColumn->addWidget(o);
        names_[k] = shownBox(QStringLiteral("ResultsNameBox%1").arg(wrestler), this);
        names_[k]->setMinimumWidth(180);
        teams_[k] = shownBox(QStringLiteral("ResultsTeamBox%1").arg(wrestler), this);
        teams_[k]->setMaximumWidth(70);
        points_[k] = namedBox(QStringLiteral("ResultsPointsBox%1").arg(wrestler), this);
        points_[k]->setMaximumWidth(60);
        const QString who = tr("Wrestler %1").arg(wrestler);
        nameAfterLabel(names_[k], who, tr("name"));
        nameAfterLabel(teams_[k], who, tr("team"));
        points_[k]->setAccessibleName(tr("Wrestler %1 points").arg(wrestler));
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
        auto* o = option(QStringLiteral("WinByOption%1").arg(type), keyedCaption(type), winBy_, type, winByFrame);
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

    acceptButton_->setAccessibleDescription(tr("Checks the result and stores it with its bout; Enter does the same"));
    clearButton_->setAccessibleDescription(tr("Empties the frame without storing anything"));

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
    const bool stored = acceptResult(meet_, entry, dialogs_);
    show(entry);
    emit boutsChanged();
    // Ready for the next bout's number; a refused entry keeps the focus
    // where the scorer mends it.
    if (stored)
        boutNumber_->setFocus(Qt::OtherFocusReason);
}

void BoutResultsFrame::chooseTypedBout()
{
    const int row = korvanda::chooseTypedBout(meet_.boutGrid, fromQt(boutNumber_->text()), dialogs_);
    if (row == 0)
        return;
    emit boutChosen(row);
    // The points come next; what the bout already holds is typed over.
    points_[0]->setFocus(Qt::TabFocusReason);
    points_[0]->selectAll();
}

void BoutResultsFrame::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QGroupBox::keyPressEvent(event);
        return;
    }
    // Enter reaches the frame from the boxes and options that have no use
    // for it: in the "Bout" box it chooses the bout, on a button it presses
    // that button, anywhere else it is "Accept".
    QWidget* focused = focusWidget();
    if (focused == boutNumber_)
        chooseTypedBout();
    else if (auto* button = qobject_cast<QPushButton*>(focused))
        button->click();
    else
        acceptButton_->click();
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
