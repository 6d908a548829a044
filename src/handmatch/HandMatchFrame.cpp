#include "handmatch/HandMatchFrame.h"

#include "handmatch/BoutRemoval.h"
#include "matching/AutoMatchFrame.h"
#include "meet/Meet.h"
#include "meet/Numbers.h"
#include "meet/QtText.h"
#include "meet/TableModel.h"
#include "meet/TableModels.h"
#include "meet/TableView.h"
#include "widgets/NamedControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace korvanda {

HandMatchFrame::HandMatchFrame(Meet& meet, Dialogs& dialogs, TableModels& models,
    std::function<EditorWrestler()> shownWrestler, AutoMatchFrame& autoMatch, QWidget* parent)
    : QGroupBox(tr("Hand Match"), parent)
    , meet_(meet)
    , dialogs_(dialogs)
    , models_(models)
    , shownWrestler_(std::move(shownWrestler))
    , autoMatch_(autoMatch)
{
    setObjectName(QStringLiteral("HandMatchFrame"));
    auto* layout = new QGridLayout(this);

    gridModel_ = new TableModel(list_.grid(), this);
    grid_ = new TableView(list_.grid(), *gridModel_, this);
    grid_->setObjectName(QStringLiteral("HandMatchGrid"));
    grid_->setAccessibleName(tr("Hand Match, wrestlers"));
    grid_->setToolTip(tr("Click a row to put the wrestler shown in the editor there"));
    // The header and both rows stay whole above the sideways scroll bar the
    // narrow frame needs, so a click on row 2 reaches row 2 at any window size.
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->setFixedHeight(grid_->horizontalHeader()->sizeHint().height()
        + 2 * grid_->verticalHeader()->defaultSectionSize() + grid_->horizontalScrollBar()->sizeHint().height()
        + 2 * grid_->frameWidth());
    layout->addWidget(grid_, 0, 0, 1, 4);

    findBest_ = new QCheckBox(tr("Find Best Hand Match"), this);
    findBest_->setObjectName(QStringLiteral("FindBestCheck"));
    auto* add = namedButton("HandMatchAddButton", tr("Add"), this);
    auto* cancelButton = namedButton("HandMatchCancelButton", tr("Cancel"), this);
    auto* removeLastButton = namedButton("HandMatchRemoveLastButton", tr("Remove Last Bout"), this);
    editButton_ = namedButton("HandMatchEditButton", {}, this);
    boutNumber_ = new QLineEdit(this);
    boutNumber_->setObjectName(QStringLiteral("HandMatchEditBoutNumber"));
    boutNumber_->setMaximumWidth(60);
    boutNumber_->setAccessibleName(tr("Bout number to edit"));
    add->setAccessibleName(tr("Add hand-match bout"));
    cancelButton->setAccessibleName(tr("Cancel hand match"));
    add->setAccessibleDescription(tr("Makes a bout of the two wrestlers in the list"));
    cancelButton->setAccessibleDescription(tr("Empties the list of the two wrestlers"));

    layout->addWidget(findBest_, 1, 0, 1, 2);
    layout->addWidget(add, 2, 0);
    layout->addWidget(cancelButton, 2, 1);
    layout->addWidget(removeLastButton, 2, 2, 1, 2);
    layout->addWidget(editButton_, 3, 0, 1, 2);
    layout->addWidget(boutNumber_, 3, 2);

    connect(grid_, &TableView::rowClicked, this, &HandMatchFrame::pick);
    connect(add, &QPushButton::clicked, this, &HandMatchFrame::add);
    connect(cancelButton, &QPushButton::clicked, this, &HandMatchFrame::cancel);
    connect(removeLastButton, &QPushButton::clicked, this, &HandMatchFrame::removeLast);
    connect(editButton_, &QPushButton::clicked, this, &HandMatchFrame::editOrReplace);
    showMode();
}

void HandMatchFrame::pick()
{
    const EditorWrestler wrestler = shownWrestler_();
    const MatchSettings criteria = autoMatch_.settings({});
    ProposalSettings settings;
    settings.findBest = findBest_->checkState() == Qt::Checked;
    settings.criteria
        = { criteria.ageOn, criteria.weightOn, criteria.skillOn, criteria.compositeOn, criteria.sameTeamAllowed };
    settings.maxBouts = criteria.limit(LimitBox::MaxBouts);
    if (list_.pickWrestler(meet_, wrestler, settings, dialogs_).searched)
        autoMatch_.setProgress(0);
    gridModel_->refresh();
}

void HandMatchFrame::pickInto(int listRow)
{
    list_.selectRow(listRow);
    grid_->showCurrentRow();
    pick();
}

bool HandMatchFrame::secondRowEmpty() const
{
    return trimmed(list_.grid().cell(2, 0)).empty();
}

void HandMatchFrame::add()
{
    if (list_.makeHandBout(meet_, dialogs_))
        resetControls();
    refresh();
}

void HandMatchFrame::cancel()
{
    list_.cancel();
    resetControls();
    refresh();
}

void HandMatchFrame::removeLast()
{
    removeLastBout(meet_, dialogs_);
    refresh();
}

void HandMatchFrame::editOrReplace()
{
    if (list_.editOrReplaceBout(meet_, fromQt(boutNumber_->text()), dialogs_))
        resetControls();
    refresh();
}

void HandMatchFrame::resetControls()
{
    boutNumber_->clear();
    emit listCleared();
}

void HandMatchFrame::showMode()
{
    boutNumber_->setReadOnly(list_.editing());
    editButton_->setText(toQt(list_.editButtonCaption()));
    const FaceColour face = list_.editButtonFace();
    editButton_->setStyleSheet(QStringLiteral("QPushButton { background-color: rgb(%1, %2, %3); }")
                                   .arg(face.red)
                                   .arg(face.green)
                                   .arg(face.blue));
}

void HandMatchFrame::refresh()
{
    showMode();
    gridModel_->refresh();
    models_.refresh();
}

} // namespace korvanda
