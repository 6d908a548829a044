#include "roster/SortArrowBar.h"

#include "widgets/UpDownButtons.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace korvanda {

SortArrowBar::SortArrowBar(QTableView& view, int columns, QWidget* parent)
    : QWidget(parent)
    , view_(view)
    , columns_(std::min(columns, 8))
{
    for (int c = 0; c < columns_; ++c) {
        auto* arrows = new UpDownButtons(Qt::Horizontal, this);
        arrows->setObjectName(QStringLiteral("RosterSortButton%1").arg(c));
        arrows->setToolTip(tr("Sort by this column: down for ascending, up for descending"));
        const QString column = view_.model()->headerData(c, Qt::Horizontal).toString().simplified();
        arrows->nameArrows(tr("Sort by %1, descending").arg(column), tr("Sort by %1, ascending").arg(column),
            tr("Sorts the roster on the %1 column, largest first").arg(column),
            tr("Sorts the roster on the %1 column, smallest first").arg(column));
        connect(arrows, &UpDownButtons::down, this, [this, c] { emit sortRequested(c, true); });
        connect(arrows, &UpDownButtons::up, this, [this, c] { emit sortRequested(c, false); });
        arrows_[static_cast<std::size_t>(c)] = arrows;
    }
    setFixedHeight(arrows_[0] ? arrows_[0]->sizeHint().height() + 2 : 16);
    connect(view_.horizontalHeader(), &QHeaderView::sectionResized, this, &SortArrowBar::placeArrows);
    connect(view_.horizontalScrollBar(), &QScrollBar::valueChanged, this, &SortArrowBar::placeArrows);
    placeArrows();
}

void SortArrowBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeArrows();
}

void SortArrowBar::placeArrows()
{
    const int offset = view_.verticalHeader()->width() + view_.frameWidth();
    for (int c = 0; c < columns_; ++c) {
        auto* arrows = arrows_[static_cast<std::size_t>(c)];
        const int left = offset + view_.horizontalHeader()->sectionViewportPosition(c);
        const int width = view_.horizontalHeader()->sectionSize(c);
        const QSize size = arrows->sizeHint();
        arrows->setGeometry(left + (width - size.width()) / 2, 1, size.width(), size.height());
        arrows->setVisible(left + width > offset && left < this->width());
    }
}

} // namespace korvanda
