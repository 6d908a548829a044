#include "roster/WrestlerEditorFrame.h"

#include "meet/Dialogs.h"
#include "meet/Meet.h"
#include "meet/QtText.h"
#include "widgets/NamedControls.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace korvanda {

namespace {

Qt::CheckState toQt(CheckState state)
{
    switch (state) {
    case CheckState::Checked:
        return Qt::Checked;
    case CheckState::Greyed:
        return Qt::PartiallyChecked;
    case CheckState::Clear:
        break;
    }
    return Qt::Unchecked;
}

CheckState fromQt(Qt::CheckState state)
{
    switch (state) {
    case Qt::Checked:
        return CheckState::Checked;
    case Qt::PartiallyChecked:
        return CheckState::Greyed;
    case Qt::Unchecked:
        break;
    }
    return CheckState::Clear;
}

} // namespace

WrestlerEditorFrame::WrestlerEditorFrame(Meet& meet, Dialogs& dialogs, QWidget* parent)
    : QGroupBox(tr("Edit Wrestler"), parent)
    , meet_(meet)
    , dialogs_(dialogs)
{
    setObjectName(QStringLiteral("EditWrestlerFrame"));
    auto* form = new QFormLayout(this);
    name_ = namedBox("NameBox", this);
    age_ = namedBox("AgeBox", this);
    weight_ = namedBox("WeightBox", this);
    skill_ = namedBox("SkillBox", this);
    team_ = namedBox("TeamBox", this);
    present_ = new QCheckBox(tr("Here"), this);
    present_->setObjectName(QStringLiteral("PresentCheck"));
    present_->setAccessibleDescription(tr("The wrestler is present at the meet"));
    bouts_ = namedBox("BoutsBox", this);
    bouts_->setReadOnly(true);
    form->addRow(tr("Name"), name_);
    form->addRow(tr("Age"), age_);
    form->addRow(tr("Weight"), weight_);
    form->addRow(tr("Skill"), skill_);
    form->addRow(tr("Team"), team_);
    form->addRow(QString(), present_);
    form->addRow(tr("Bouts"), bouts_);

    // Two rows of two, so the editor leaves the roster its width.
    auto* buttons = new QGridLayout;
    auto* add = namedButton("EditAddButton", tr("Add"), this);
    auto* replace = namedButton("EditReplaceButton", tr("Replace"), this);
    auto* remove = namedButton("EditDeleteButton", tr("Delete"), this);
    auto* cancelButton = namedButton("EditCancelButton", tr("Cancel"), this);
    buttons->addWidget(add, 0, 0);
    buttons->addWidget(replace, 0, 1);
    buttons->addWidget(remove, 1, 0);
    buttons->addWidget(cancelButton, 1, 1);
    // The hand-match panel beside has its own Add and Cancel.
    add->setAccessibleName(tr("Add wrestler"));
    replace->setAccessibleName(tr("Replace wrestler"));
    remove->setAccessibleName(tr("Delete wrestler"));
    cancelButton->setAccessibleName(tr("Cancel wrestler edit"));
    add->setAccessibleDescription(tr("Adds the wrestler in the boxes to the roster"));
    replace->setAccessibleDescription(tr("Puts the wrestler in the boxes in place of the chosen row"));
    remove->setAccessibleDescription(tr("Takes the chosen wrestler off the roster"));
    cancelButton->setAccessibleDescription(tr("Empties the boxes"));
    form->addRow(buttons);

    for (auto* numeric : { age_, weight_, skill_ })
        numeric->installEventFilter(this);

    connect(add, &QPushButton::clicked, this,
        [this] { run([this](WrestlerEditor& e) { addWrestler(meet_, e, dialogs_); }); });
    connect(replace, &QPushButton::clicked, this,
        [this] { run([this](WrestlerEditor& e) { replaceWrestler(meet_, e, dialogs_); }); });
    connect(remove, &QPushButton::clicked, this,
        [this] { run([this](WrestlerEditor& e) { deleteWrestler(meet_, e, dialogs_); }); });
    connect(cancelButton, &QPushButton::clicked, this, &WrestlerEditorFrame::cancel);
}

WrestlerEditor WrestlerEditorFrame::contents() const
{
    WrestlerEditor editor;
    editor.name = korvanda::fromQt(name_->text());
    editor.age = korvanda::fromQt(age_->text());
    editor.weight = korvanda::fromQt(weight_->text());
    editor.skill = korvanda::fromQt(skill_->text());
    editor.team = korvanda::fromQt(team_->text());
    editor.present = fromQt(present_->checkState());
    editor.bouts = korvanda::fromQt(bouts_->text());
    return editor;
}

void WrestlerEditorFrame::show(const WrestlerEditor& editor)
{
    name_->setText(korvanda::toQt(editor.name));
    age_->setText(korvanda::toQt(editor.age));
    weight_->setText(korvanda::toQt(editor.weight));
    skill_->setText(korvanda::toQt(editor.skill));
    team_->setText(korvanda::toQt(editor.team));
    present_->setCheckState(toQt(editor.present));
    bouts_->setText(korvanda::toQt(editor.bouts));
}

template <typename Operation> void WrestlerEditorFrame::run(Operation operation)
{
    WrestlerEditor editor = contents();
    operation(editor);
    show(editor);
    emit rosterChanged();
}

void WrestlerEditorFrame::rosterClicked()
{
    run([this](WrestlerEditor& e) { korvanda::rosterClicked(meet_, e); });
}

void WrestlerEditorFrame::rosterDoubleClicked(bool attendanceByDoubleClick)
{
    run([this, attendanceByDoubleClick](
            WrestlerEditor& e) { korvanda::rosterDoubleClicked(meet_, e, attendanceByDoubleClick, dialogs_); });
}

void WrestlerEditorFrame::cancel()
{
    WrestlerEditor editor = contents();
    cancelEdit(editor);
    show(editor);
}

bool WrestlerEditorFrame::eventFilter(QObject* watched, QEvent* event)
{
    // A number box is checked when the director moves on from it, not when
    // the window merely loses the focus to another window or a message.
    if (event->type() == QEvent::FocusOut && !reporting_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            auto* box = static_cast<QLineEdit*>(watched);
            reporting_ = true;
            std::string text = korvanda::fromQt(box->text());
            if (box == age_)
                text = normalizeAgeBox(text, dialogs_);
            else if (box == weight_)
                text = normalizeWeightBox(text, dialogs_);
            else
                text = normalizeSkillBox(text, dialogs_);
            box->setText(korvanda::toQt(text));
            reporting_ = false;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace korvanda
