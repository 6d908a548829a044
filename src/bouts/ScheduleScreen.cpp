#include "bouts/ScheduleScreen.h"

#include "meet/TableModel.h"
#include "meet/TableView.h"

#include <QGridLayout>
#include <QLabel>

namespace korvanda {

ScheduleScreen::ScheduleScreen(QWidget* parent)
    : WorkingWindow(QStringLiteral("ScheduleScreen"), tr("Mat Schedule"), parent)
{
    auto* central = new QWidget(this);
    auto* layout = new QGridLayout(central);
    for (int m = 0; m < 6; ++m) {
        grids_[static_cast<std::size_t>(m)] = Table::withCaptions("Bout|Red|Team|Green|Team");
        grids_[static_cast<std::size_t>(m)].setRowCount(1);
        auto* model = new TableModel(grids_[static_cast<std::size_t>(m)], this);
        auto* view = new TableView(grids_[static_cast<std::size_t>(m)], *model, central);
        view->setObjectName(QStringLiteral("ScheduleGrid%1").arg(m + 1));
        auto* label = new QLabel(tr("Mat %1").arg(m + 1), central);
        label->setObjectName(QStringLiteral("MatLabel%1").arg(m + 1));
        layout->addWidget(label, (m / 2) * 2, m % 2, Qt::AlignHCenter);
        layout->addWidget(view, (m / 2) * 2 + 1, m % 2);
        models_[static_cast<std::size_t>(m)] = model;
        views_[static_cast<std::size_t>(m)] = view;
        labels_[static_cast<std::size_t>(m)] = label;
    }
    setCentralWidget(central);
    resize(1040, 720);
}

} // namespace korvanda
