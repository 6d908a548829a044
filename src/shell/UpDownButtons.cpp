#include "shell/UpDownButtons.h"

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
    auto* upButton = new QToolButton(this);
    upButton->setObjectName(QStringLiteral("up"));
    upButton->setArrowType(Qt::UpArrow);
    upButton->setAccessibleName(tr("Up"));
    auto* downButton = new QToolButton(this);
    downButton->setObjectName(QStringLiteral("down"));
    downButton->setArrowType(Qt::DownArrow);
    downButton->setAccessibleName(tr("Down"));
    for (auto* button : { upButton, downButton })
        button->setFixedSize(18, 14);
    layout->addWidget(upButton);
    layout->addWidget(downButton);
    connect(upButton, &QToolButton::clicked, this, &UpDownButtons::up);
    connect(downButton, &QToolButton::clicked, this, &UpDownButtons::down);
}

} // namespace korvanda
