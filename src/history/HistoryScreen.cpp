#include "history/HistoryScreen.h"

#include "history/BringBack.h"
#include "meet/Meet.h"
#include "meet/QtText.h"
#include "widgets/NamedControls.h"
#include "widgets/WindowPlacement.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korvanda {

HistoryScreen::HistoryScreen(Meet& meet, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , meet_(meet)
    , dialogs_(dialogs)
{
    setObjectName(QStringLiteral("HistoryScreen"));
    auto* layout = new QVBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("HistoryList"));
    list_->setAccessibleName(tr("Kept states of the meet, newest first"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels({ tr("Time"), tr("Cause"), tr("Wrestlers"), tr("Bouts"), tr("Results") });
    list_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    list_->header()->setStretchLastSection(false);
    layout->addWidget(list_, 1);

    auto* buttons = new QHBoxLayout;
    bringBack_ = namedButton(QStringLiteral("BringBackButton"), tr("&Bring Back"), this);
    bringBack_->setAccessibleDescription(tr("Makes the chosen state the meet again"));
    auto* close = namedButton(QStringLiteral("HistoryCloseButton"), tr("Close"), this);
    buttons->addStretch();
    buttons->addWidget(bringBack_);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    WindowPlacement::keep(*this, QSize(640, 480));

    connect(bringBack_, &QPushButton::clicked, this, &HistoryScreen::bringBackChosen);
    connect(list_, &QTreeWidget::itemActivated, this, &HistoryScreen::bringBackChosen);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { bringBack_->setEnabled(list_->currentItem()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // Esc puts it away, as it does a message box.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
}

void HistoryScreen::showHistory()
{
    const QString folder = QDir::cleanPath(QString::fromStdU16String(meet_.directory.u16string()));
    setWindowTitle(tr("History - ") + QDir(folder).dirName());
    const auto damaged = fillList();
    show();
    raise();
    activateWindow();
    reportDamaged(MeetHistory(meet_.directory), damaged, dialogs_);
}

std::vector<std::string> HistoryScreen::fillList()
{
    HistoryListing listing = MeetHistory(meet_.directory).list();
    states_ = std::move(listing.states);
    list_->clear();
    for (const KeptState& state : states_) {
        const auto count = [](int n) { return QString::number(n); };
        auto* item = new QTreeWidgetItem(list_,
            { toQt(clockText(state.time, true)), toQt(state.cause), count(state.counts.wrestlers),
                count(state.counts.bouts), count(state.counts.results) });
        for (int c = 2; c < 5; ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int c : { 0, 2, 3, 4 })
        list_->resizeColumnToContents(c);
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    bringBack_->setEnabled(list_->currentItem());
    return listing.damaged;
}

void HistoryScreen::bringBackChosen()
{
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || row >= static_cast<int>(states_.size()))
        return;
    if (!bringBack(meet_, MeetHistory(meet_.directory), states_[static_cast<std::size_t>(row)], dialogs_))
        return;
    emit broughtBack();
    fillList();
}

} // namespace korvanda
