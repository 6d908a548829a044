#include "bouts/ListChooser.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace korvanda {

ListChooser::ListChooser(const QString& title, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ListChooser"));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("&List:"), this);
    layout->addWidget(label);
    lists_ = new QListWidget(this);
    lists_->setObjectName(QStringLiteral("ListChoice"));
    for (MeetList list : allMeetLists)
        lists_->addItem(QString::fromLatin1(listName(list)));
    lists_->setCurrentRow(0);
    // Just tall enough for all five names, without a scroll bar.
    lists_->setFixedHeight(lists_->sizeHintForRow(0) * lists_->count() + 2 * lists_->frameWidth());
    label->setBuddy(lists_);
    layout->addWidget(lists_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lists_, &QListWidget::itemActivated, this, &QDialog::accept);
    lists_->setFocus();
}

MeetList ListChooser::chosen() const
{
    const int row = lists_->currentRow();
    return row >= 0 && row < static_cast<int>(allMeetLists.size()) ? allMeetLists[static_cast<std::size_t>(row)]
                                                                   : allMeetLists.front();
}

} // namespace korvanda
