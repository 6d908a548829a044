#include "teams/TeamScreen.h"

#include "history/HistoryScreen.h"
#include "meet/Dialogs.h"
#include "meet/Meet.h"
#include "meet/QtText.h"
#include "meet/RestoreFile.h"
#include "meet/StateCauses.h"
#include "meet/TableModels.h"
#include "meet/TableView.h"
#include "teams/RosterImport.h"
#include "teams/TeamFiles.h"
#include "teams/TeamListEdits.h"
#include "widgets/NamedControls.h"
#include "widgets/SpokenNames.h"
#include "widgets/UpDownButtons.h"
#include "widgets/WindowPlacement.h"

#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace korvanda {

TeamScreen::TeamScreen(Meet& meet, TableModels& models, Dialogs& dialogs, QWidget* parent)
    : WorkingWindow(QStringLiteral("TeamScreen"), tr("Team List"), parent)
    , meet_(meet)
    , models_(models)
    , dialogs_(dialogs)
{
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);

    teamList_ = new TableView(meet_.teamList, models_.teamList(), central);
    teamList_->setObjectName(QStringLiteral("TeamList"));
    teamList_->setAccessibleName(tr("Team list"));
    layout->addWidget(teamList_, 1);

    auto* side = new QVBoxLayout;
    layout->addLayout(side);

    auto* editFrame = new QGroupBox(tr("Edit Team"), central);
    editFrame->setObjectName(QStringLiteral("TeamEditFrame"));
    auto* form = new QFormLayout(editFrame);
    const char* names[] = { "TeamNameBox", "AbbreviationBox", "CoachBox", "FileNameBox" };
    const QString labels[] = { tr("Team Name"), tr("Abbreviation"), tr("Head Coach"), tr("Data File") };
    for (int k = 0; k < 4; ++k) {
        boxes_[k] = new QLineEdit(editFrame);
        boxes_[k]->setObjectName(QString::fromLatin1(names[k]));
        form->addRow(labels[k], boxes_[k]);
        nameAfterLabel(boxes_[k], labels[k]);
    }
    // Adding a team checks nothing, so the director is told here, while
    // typing, that such a team's wrestlers would end up in no file.
    dataFileHint_ = new QLabel(tr("Not a usable file name: this team's wrestlers will not be saved."), editFrame);
    dataFileHint_->setObjectName(QStringLiteral("DataFileHint"));
    dataFileHint_->setWordWrap(true);
    dataFileHint_->setStyleSheet(QStringLiteral("color: #a00000;"));
    form->addRow(dataFileHint_);
    updateDataFileHint();
    auto* editButtons = new QHBoxLayout;
    auto* add = namedButton("AddButton", tr("Add"), editFrame);
    auto* replace = namedButton("ReplaceButton", tr("Replace"), editFrame);
    auto* remove = namedButton("DeleteButton", tr("Delete"), editFrame);
    auto* clear = namedButton("ClearButton", tr("Clear"), editFrame);
    for (auto* b : { add, replace, remove, clear })
        editButtons->addWidget(b);
    add->setAccessibleDescription(tr("Adds the team in the boxes to the list"));
    replace->setAccessibleDescription(tr("Puts the team in the boxes in place of the chosen row"));
    remove->setAccessibleDescription(tr("Takes the chosen team off the list"));
    clear->setAccessibleDescription(tr("Empties the four boxes"));
    form->addRow(editButtons);
    side->addWidget(editFrame);

    auto* options = new QGroupBox(tr("Options"), central);
    options->setObjectName(QStringLiteral("OptionsFrame"));
    auto* optionsLayout = new QVBoxLayout(options);
    assumePresent_ = namedCheck("AssumePresentCheck", tr("Assume Present"), true, options);
    omitAbsents_ = namedCheck("OmitAbsentsCheck", tr("Omit Absents"), true, options);
    bListSkills_ = namedCheck("BListSkillsCheck", tr("Skills on B-lists"), true, options);
    bSheetSkills_ = namedCheck("BSheetSkillsCheck", tr("Skills on B-sheets"), true, options);
    for (auto* box : { assumePresent_, omitAbsents_, bListSkills_, bSheetSkills_ })
        optionsLayout->addWidget(box);
    auto* matsRow = new QHBoxLayout;
    numMats_ = new QLineEdit(QStringLiteral("1"), options);
    numMats_->setObjectName(QStringLiteral("NumMatsBox"));
    numMats_->setMaximumWidth(40);
    auto* matsLabel = new QLabel(tr("Mats"), options);
    matsLabel->setBuddy(numMats_);
    nameAfterLabel(numMats_, matsLabel->text(), {}, tr("The number of mats, 1 to 6"));
    auto* upDown = new UpDownButtons(Qt::Vertical, options);
    upDown->setObjectName(QStringLiteral("NumMatsUpDn"));
    upDown->nameArrows(
        tr("Mats, one more"), tr("Mats, one fewer"), tr("Adds a mat, up to 6"), tr("Takes a mat away, down to 1"));
    matsRow->addWidget(matsLabel);
    matsRow->addWidget(numMats_);
    matsRow->addWidget(upDown);
    matsRow->addStretch();
    optionsLayout->addLayout(matsRow);
    side->addWidget(options);

    auto* process = new QGroupBox(tr("Process"), central);
    process->setObjectName(QStringLiteral("ProcessFrame"));
    auto* processLayout = new QVBoxLayout(process);
    auto* load = namedButton("LoadRostersButton", tr("  Load Rosters"), process);
    auto* save = namedButton("SaveButton", tr("Save List"), process);
    auto* restoreButton = namedButton("RestoreButton", tr("Restore"), process);
    auto* historyButton = namedButton("HistoryButton", tr("History..."), process);
    // The caption's leading spaces are only room for the eye.
    load->setAccessibleName(shownWords(load->text()));
    load->setAccessibleDescription(tr("Reads every team's roster and opens the roster window"));
    save->setAccessibleDescription(tr("Writes the team list and the team files"));
    restoreButton->setAccessibleDescription(tr("Takes the meet up again from the restore file"));
    processLayout->addWidget(load);
    processLayout->addWidget(save);
    historyButton->setAccessibleDescription(tr("Lists every kept state of the meet, to bring one back"));
    auto* restoreRow = new QHBoxLayout;
    restoreRow->addWidget(restoreButton);
    restoreRow->addWidget(historyButton);
    processLayout->addLayout(restoreRow);
    auto* importButton = namedButton("ImportRosterButton", tr("Import Roster..."), process);
    importButton->setAccessibleDescription(tr("Writes the chosen team's data file from a coach's spreadsheet"));
    processLayout->addWidget(importButton);
    side->addWidget(process);
    side->addStretch();

    setCentralWidget(central);
    WindowPlacement::keep(*this, { 1240, 560 });

    connect(teamList_, &TableView::rowClicked, this, &TeamScreen::showRow);
    for (auto* box : boxes_)
        connect(box, &QLineEdit::textChanged, this, &TeamScreen::updateDataFileHint);
    connect(add, &QPushButton::clicked, this, &TeamScreen::addTeam);
    connect(replace, &QPushButton::clicked, this, &TeamScreen::replaceTeam);
    connect(remove, &QPushButton::clicked, this, &TeamScreen::deleteTeam);
    connect(clear, &QPushButton::clicked, this, &TeamScreen::clearBoxes);
    connect(upDown, &UpDownButtons::up, this, [this] { stepMats(true); });
    connect(upDown, &UpDownButtons::down, this, [this] { stepMats(false); });
    connect(load, &QPushButton::clicked, this, &TeamScreen::loadRosters);
    connect(save, &QPushButton::clicked, this, &TeamScreen::saveList);
    connect(restoreButton, &QPushButton::clicked, this, &TeamScreen::restore);
    connect(
        importButton, &QPushButton::clicked, this, [this] { emit importRosterRequested(meet_.teamList.currentRow()); });
    history_ = new HistoryScreen(meet_, dialogs_, this);
    connect(historyButton, &QPushButton::clicked, history_, &HistoryScreen::showHistory);
    connect(history_, &HistoryScreen::broughtBack, &models_, &TableModels::refresh);
    // The history belongs to the open meet and goes with its windows.
    connect(this, &WorkingWindow::closing, history_, &QWidget::close);
}

void TeamScreen::loadTeamList()
{
    QDir::setCurrent(QDir(meet_.directory).path());
    readTeamList(meet_);
    models_.refresh();
}

bool TeamScreen::assumePresent() const
{
    return assumePresent_->checkState() == Qt::Checked;
}

bool TeamScreen::omitAbsents() const
{
    return omitAbsents_->checkState() == Qt::Checked;
}

bool TeamScreen::bListSkills() const
{
    return bListSkills_->checkState() == Qt::Checked;
}

bool TeamScreen::bSheetSkills() const
{
    return bSheetSkills_->checkState() == Qt::Checked;
}

QString TeamScreen::matsText() const
{
    return numMats_->text();
}

void TeamScreen::showRow(int row)
{
    const TeamFields fields = teamFieldsOfRow(meet_.teamList, row);
    for (int k = 0; k < 4; ++k)
        boxes_[k]->setText(toQt(fields[static_cast<std::size_t>(k)]));
}

namespace {

TeamFields fieldsOf(QLineEdit* const (&boxes)[4])
{
    TeamFields fields;
    for (int k = 0; k < 4; ++k)
        fields[static_cast<std::size_t>(k)] = fromQt(boxes[k]->text());
    return fields;
}

} // namespace

void TeamScreen::addTeam()
{
    korvanda::addTeam(meet_, fieldsOf(boxes_));
    models_.refresh();
}

void TeamScreen::replaceTeam()
{
    korvanda::replaceTeam(meet_, meet_.teamList.currentRow(), fieldsOf(boxes_));
    models_.refresh();
}

void TeamScreen::deleteTeam()
{
    korvanda::deleteTeam(meet_, meet_.teamList.currentRow());
    models_.refresh();
}

void TeamScreen::updateDataFileHint()
{
    // An editor left empty describes no team yet; one with any text in it
    // would be added as it stands.
    const bool describesTeam = std::any_of(
        std::begin(boxes_), std::end(boxes_), [](const QLineEdit* box) { return !box->text().isEmpty(); });
    dataFileHint_->setVisible(describesTeam && !isUsableDataFile(fromQt(boxes_[3]->text())));
}

void TeamScreen::clearBoxes()
{
    for (auto* box : boxes_)
        box->clear();
}

void TeamScreen::stepMats(bool up)
{
    numMats_->setText(toQt(steppedMatCount(fromQt(numMats_->text()), up)));
}

void TeamScreen::loadRosters()
{
    const bool completed = korvanda::loadRosters(meet_, assumePresent(), dialogs_);
    models_.refresh();
    if (completed)
        emit switchRequested(WindowKind::Roster);
}

void TeamScreen::saveList()
{
    savePermFiles(meet_, dialogs_);
    saveRestoreFile(meet_, dialogs_, causes::saveList);
    meet_.rostersChanged = false;
}

void TeamScreen::restore()
{
    loadRestoreFile(meet_, dialogs_);
    models_.refresh();
}

} // namespace korvanda
