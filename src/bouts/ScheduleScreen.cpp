#include "bouts/ScheduleScreen.h"

#include "bouts/MarkedBoutDelegate.h"
#include "bouts/MatLayout.h"
#include "meet/QtText.h"
#include "meet/TableModel.h"
#include "meet/TableView.h"
#include "widgets/WindowPlacement.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>

#include <algorithm>

namespace korvanda {

namespace {

// The space left free to the right of and below the lowest table.
constexpr int marginTwips = 120;

// The whole design, in pixels: both columns and all three bands with the
// margin, whatever the number of mats shown, so a single mat does not
// spread over the place of the second column.
QSize designSize(double dpiX, double dpiY)
{
    const MatPlacement lowestRight = *matPlacement(maxMats, maxMats);
    return { twipsToPixels(lowestRight.tableLeft + lowestRight.tableWidth + marginTwips, dpiX),
        twipsToPixels(lowestRight.tableTop + lowestRight.tableHeight + marginTwips, dpiY) };
}

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
    marks_ = new MarkedBoutDelegate(this);
    for (int m = 1; m <= maxMats; ++m) {
        auto* model = new TableModel(schedule_.mat(m), this);
        model->setSpokenCaptions({ tr("Bout"), tr("Red"), tr("Team, red"), tr("Green"), tr("Team, green") });
        auto* view = new TableView(schedule_.mat(m), *model, canvas_);
        view->setObjectName(QStringLiteral("ScheduleGrid%1").arg(m));
        view->setItemDelegate(marks_);
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
    // The mats keep their places and proportions; a larger window spreads
    // them over its room, a smaller one scrolls.
    scroll->setWidgetResizable(true);
    canvas_->installEventFilter(this);
    setCentralWidget(scroll);
    placeMats();

    const QSize design = designSize(logicalDpiX(), logicalDpiY());
    WindowPlacement::keep(
        *this, design + QSize(2 * scroll->frameWidth(), 2 * scroll->frameWidth() + menuBar()->sizeHint().height()));
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

bool ScheduleScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == canvas_ && event->type() == QEvent::Resize)
        placeMats();
    return WorkingWindow::eventFilter(watched, event);
}

void ScheduleScreen::markBouts(const std::set<int>& bouts)
{
    if (bouts == marks_->marked())
        return;
    marks_->setMarked(bouts);
    for (auto* view : views_)
        view->viewport()->update();
}

const std::set<int>& ScheduleScreen::markedBouts() const
{
    return marks_->marked();
}

void ScheduleScreen::placeMats()
{
    const double dpiX = canvas_->logicalDpiX();
    const double dpiY = canvas_->logicalDpiY();
    const QSize design = designSize(dpiX, dpiY);
    canvas_->setMinimumSize(design);
    // The design's twips stretched to the room the canvas has, never shrunk.
    const double scaleX = std::max(1.0, double(canvas_->width()) / design.width());
    const double scaleY = std::max(1.0, double(canvas_->height()) / design.height());
    const auto x = [dpiX, scaleX](int twips) { return twipsToPixels(twips, dpiX * scaleX); };
    const auto y = [dpiY, scaleY](int twips) { return twipsToPixels(twips, dpiY * scaleY); };
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
        // A caption stands just above its table however far the table moved.
        const int captionDrop = twipsToPixels(place->tableTop - place->captionTop, dpiY);
        label->move(x(place->captionLeft), view->y() - captionDrop);
        label->resize(label->sizeHint());
        view->show();
        label->show();
    }
}

} // namespace korvanda
