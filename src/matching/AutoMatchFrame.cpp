#include "matching/AutoMatchFrame.h"

#include "meet/QtText.h"
#include "widgets/NamedControls.h"
#include "widgets/SpokenNames.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace korvanda {

namespace {

bool on(const QCheckBox* box)
{
    return box->checkState() == Qt::Checked;
}

} // namespace

AutoMatchFrame::AutoMatchFrame(Dialogs& dialogs, QWidget* parent)
    : QGroupBox(tr("Auto Match"), parent)
    , dialogs_(dialogs)
{
    setObjectName(QStringLiteral("AutoMatchFrame"));
    auto* grid = new QGridLayout(this);

    age_ = namedCheck("AgeCheck", tr("Age"), true, this);
    weight_ = namedCheck("WeightCheck", tr("Weight"), true, this);
    skill_ = namedCheck("SkillCheck", tr("Skill"), true, this);
    composite_ = namedCheck("CompCheck", tr("Composite Match"), true, this);
    sameTeam_ = namedCheck("SameTeamCheck", tr("Same-Team Matches"), true, this);

    const MatchSettings initial;
    const char* names[limitBoxCount] = { "IdealDiffAgeBox", "MaxDiffAgeBox", "IdealDiffWeightBox", "MaxDiffWeightBox",
        "IdealDiffSkillBox", "MaxDiffSkillBox", "MinBoutsBox", "MaxBoutsBox" };
    for (int k = 0; k < limitBoxCount; ++k) {
        auto* box = new QLineEdit(toQt(initial.limits[static_cast<std::size_t>(k)]), this);
        box->setObjectName(QString::fromLatin1(names[k]));
        box->setMaximumWidth(50);
        box->installEventFilter(this);
        limits_[static_cast<std::size_t>(k)] = box;
    }

    grid->addWidget(new QLabel(tr("Allowable Difference"), this), 0, 1, 1, 3, Qt::AlignCenter);
    grid->addWidget(new QLabel(tr("Ideal"), this), 1, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(tr("Max."), this), 1, 2, Qt::AlignCenter);
    QCheckBox* rowChecks[] = { age_, weight_, skill_ };
    const QString units[] = { tr("Years"), tr("%"), tr("Levels") };
    const QString criteria[] = { tr("age"), tr("weight"), tr("skill") };
    for (int row = 0; row < 3; ++row) {
        // The roster editor beside has boxes of the same captions.
        nameAfterLabel(rowChecks[row], rowChecks[row]->text(), tr("criterion"),
            tr("Pairs are held to the %1 limits only when this is checked").arg(criteria[row]));
        nameAfterLabel(limits_[static_cast<std::size_t>(2 * row)], rowChecks[row]->text(), tr("ideal difference"));
        nameAfterLabel(
            limits_[static_cast<std::size_t>(2 * row + 1)], rowChecks[row]->text(), tr("maximum difference"));
        grid->addWidget(rowChecks[row], row + 2, 0);
        grid->addWidget(limits_[static_cast<std::size_t>(2 * row)], row + 2, 1);
        grid->addWidget(limits_[static_cast<std::size_t>(2 * row + 1)], row + 2, 2);
        grid->addWidget(new QLabel(units[row], this), row + 2, 3);
    }
    grid->addWidget(composite_, 5, 0, 1, 2);
    grid->addWidget(sameTeam_, 5, 2, 1, 2);
    auto* minLabel = new QLabel(tr("Min Bouts"), this);
    minLabel->setBuddy(limits_[static_cast<std::size_t>(LimitBox::MinBouts)]);
    auto* maxLabel = new QLabel(tr("Max Bouts"), this);
    maxLabel->setBuddy(limits_[static_cast<std::size_t>(LimitBox::MaxBouts)]);
    nameAfterLabel(limits_[static_cast<std::size_t>(LimitBox::MinBouts)], minLabel->text());
    nameAfterLabel(limits_[static_cast<std::size_t>(LimitBox::MaxBouts)], maxLabel->text());
    grid->addWidget(minLabel, 6, 0);
    grid->addWidget(limits_[static_cast<std::size_t>(LimitBox::MinBouts)], 6, 1);
    grid->addWidget(maxLabel, 7, 0);
    grid->addWidget(limits_[static_cast<std::size_t>(LimitBox::MaxBouts)], 7, 1);

    auto* match = new QPushButton(tr("Match"), this);
    match->setObjectName(QStringLiteral("AutoGoButton"));
    match->setAutoDefault(false);
    match->setAccessibleDescription(tr("Pairs the wrestlers into bouts within these limits"));
    grid->addWidget(match, 6, 2, 2, 2);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("AutoMatchProgressBar"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    grid->addWidget(progress_, 8, 0, 1, 4);

    // Row by row as the frame reads: each criterion, then its two limits.
    const QList<QWidget*> tabStops { age_, limits_[0], limits_[1], weight_, limits_[2], limits_[3], skill_, limits_[4],
        limits_[5], composite_, sameTeam_, limits_[6], limits_[7], match };
    for (qsizetype k = 1; k < tabStops.size(); ++k)
        setTabOrder(tabStops[k - 1], tabStops[k]);

    connect(match, &QPushButton::clicked, this, &AutoMatchFrame::matchClicked);
}

MatchSettings AutoMatchFrame::settings(const std::string& matsText) const
{
    MatchSettings settings;
    settings.ageOn = on(age_);
    settings.weightOn = on(weight_);
    settings.skillOn = on(skill_);
    settings.compositeOn = on(composite_);
    settings.sameTeamAllowed = on(sameTeam_);
    for (int k = 0; k < limitBoxCount; ++k)
        settings.limits[static_cast<std::size_t>(k)] = fromQt(limits_[static_cast<std::size_t>(k)]->text());
    settings.mats = matsText;
    return settings;
}

void AutoMatchFrame::setProgress(int percent)
{
    progress_->setValue(percent);
    // The matching runs inside the click; let the bar and the window repaint.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool AutoMatchFrame::eventFilter(QObject* watched, QEvent* event)
{
    // Each limit pair is checked as the director moves on from either box;
    // a focus lost to another window or to a message does not count.
    if (event->type() == QEvent::FocusOut && !reporting_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (int k = 0; k < limitBoxCount; ++k) {
                if (limits_[static_cast<std::size_t>(k)] != watched)
                    continue;
                reporting_ = true;
                leaveLimitBox(settings({}), static_cast<LimitBox>(k), dialogs_);
                reporting_ = false;
            }
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace korvanda
