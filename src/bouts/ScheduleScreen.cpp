#include "bouts/ScheduleScreen.h"

#include "bouts/MatLayout.h"
#include "meet/QtText.h"
#include "meet/TableModel.h"
#include "meet/TableView.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>

namespace korvanda {

namespace {

// The space left free to the right of and below the lowest table.
constexpr int marginTwips = 120;

std::size_t slot(int mat)
{
    return static_cast<std::size_t>(mat - 1);
}

} // namespace

ScheduleScreen::ScheduleScreen(QWidget* parent)
    : WorkingWindow(QStringLiteral("ScheduleScreen"), tr("Mat Schedule"), parent)
{
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("MatScrollArea"));
    scroll->setAccessibleName(tr("Mat Schedule"));
    canvas_ = new QWidget;
    canvas_->setObjectName(QStringLiteral("MatCanvas"));
    for (int m = 1; m <= maxMats; ++m) {
        auto* model = new TableModel(schedule_.mat(m), this);
        model->setSpokenCaptions({ tr("Bout"), tr("Red"), tr("Team, red"), tr("Green"), tr("Team, green") });
        auto* view = new TableView(schedule_.mat(m), *model, canvas_);
        view->setObjectName(QStringLiteral("ScheduleGrid%1").arg(m));
        // The names share what the narrow bout and team columns leave of
        // the table's width, so a mat's bouts read without scrolling sideways.
        for (const int nameColumn : { 1, 3 })
            view->horizontalHeader()->setSectionResizeMode(nameColumn, QHeaderView::Stretch);
        auto* label = new QLabel(toQt(matCaption(m)), canvas_);
        // A listener hears which mat a list is for, as the caption above it shows.
        view->setAccessibleName(label->text());
        view->setAccessibleDescription(tr("The bouts on this mat in the order they are wrestled"));
        label->setObjectName(QStringLiteral("MatLabel%1").arg(m));
        models_[slot(m)] = model;
        views_[slot(m)] = view;
        labels_[slot(m)] = label;
    }
    scroll->setWidget(canvas_);
    setCentralWidget(scroll);
    placeMats();
}

ScheduleScreen::~ScheduleScreen()
{
    // The views read the mat tables to their last moment, so they go before
    // the tables do.
    delete takeCentralWidget();
}

void ScheduleScreen::showSchedule()
{
    for (int m = 1; m <= maxMats; ++m) {
        models_[slot(m)]->refresh();
        // A mat's list is read, not picked from.
        views_[slot(m)]->clearSelection();
    }
    placeMats();
}

void ScheduleScreen::placeMats()
{
    const double dpiX = canvas_->logicalDpiX();
    const double dpiY = canvas_->logicalDpiY();
    const auto x = [dpiX](int twips) { return twipsToPixels(twips, dpiX); };
    const auto y = [dpiY](int twips) { return twipsToPixels(twips, dpiY); };
    int right = 0;
    int bottom = 0;
    for (int m = 1; m <= maxMats; ++m) {
        TableView* view = views_[slot(m)];
        QLabel* label = labels_[slot(m)];
        const auto place = matPlacement(m, schedule_.visibleMats);
        if (!place) {
            view->hide();
            label->hide();
            continue;
        }
        view->setGeometry(x(place->tableLeft), y(place->tableTop), x(place->tableWidth), y(place->tableHeight));
        label->move(x(place->captionLeft), y(place->captionTop));
        label->resize(label->sizeHint());
        view->show();
        label->show();
        right = std::max(right, place->tableLeft + place->tableWidth);
        bottom = std::max(bottom, place->tableTop + place->tableHeight);
    }
    canvas_->resize(x(right + marginTwips), y(bottom + marginTwips));

    // The window fits the mats it shows, as far as the screen allows; the
    // scroll area reaches the rest.
    auto* scroll = static_cast<QScrollArea*>(centralWidget());
    const int frame = 2 * scroll->frameWidth();
    QSize wanted(canvas_->width() + frame, canvas_->height() + frame + menuBar()->sizeHint().height());
    if (const QScreen* shownOn = screen())
        wanted = wanted.boundedTo(shownOn->availableGeometry().size());
    resize(wanted);
}

} // namespace korvanda
