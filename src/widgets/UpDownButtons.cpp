#include "widgets/UpDownButtons.h"

#include <QBoxLayout>
#include <QToolButton>

namespace korvanda {

UpDownButtons::UpDownButtons(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = orientation == Qt::Vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(this))
                                               : static_cast<QBoxLayout*>(new QHBoxLayout(this));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    upButton_ = new QToolButton(this);
    upButton_->setObjectName(QStringLiteral("up"));
    upButton_->setArrowType(Qt::UpArrow);
    upButton_->setAccessibleName(tr("Up"));
    downButton_ = new QToolButton(this);
    downButton_->setObjectName(QStringLiteral("down"));
    downButton_->setArrowType(Qt::DownArrow);
    downButton_->setAccessibleName(tr("Down"));
    for (auto* button : { upButton_, downButton_ })
        button->setFixedSize(18, 14);
    layout->addWidget(upButton_);
    layout->addWidget(downButton_);
    connect(upButton_, &QToolButton::clicked, this, &UpDownButtons::up);
    connect(downButton_, &QToolButton::clicked, this, &UpDownButtons::down);
}

void UpDownButtons::nameArrows(
    const QString& upName, const QString& downName, const QString& upDescription, const QString& downDescription)
{
    upButton_->setAccessibleName(upName);
    downButton_->setAccessibleName(downName);
    upButton_->setAccessibleDescription(upDescription);
    downButton_->setAccessibleDescription(downDescription);
}

} // namespace korvanda
