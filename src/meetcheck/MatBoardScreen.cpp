#include "meetcheck/MatBoardScreen.h"

#include "bouts/MatSchedule.h"
#include "meet/Meet.h"
#include "meet/QtText.h"
#include "meet/TableModels.h"
#include "meetcheck/MatBoard.h"
#include "widgets/WindowPlacement.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

namespace korvanda {

namespace {

const char* const roles[] = { "Now", "On deck", "In the hole" };

QString wrestlerLine(const std::string& name, const std::string& team, const char* colour)
{
    QString line = toQt(name).toHtmlEscaped();
    if (!team.empty())
        line += QStringLiteral(" (") + toQt(team).toHtmlEscaped() + QLatin1Char(')');
    return QStringLiteral("<span style=\"color:%1\">%2</span>").arg(QLatin1String(colour), line);
}

// Red is wrestler 1, Green wrestler 2, as on the mat schedule.
QString matText(const BoardMat& mat)
{
    QString text = QStringLiteral("<b>") + toQt(matCaption(mat.mat)) + QStringLiteral("</b>");
    if (mat.next.empty())
        return text + QStringLiteral("<br>All bouts done");
    for (std::size_t k = 0; k < mat.next.size(); ++k) {
        const BoardBout& bout = mat.next[k];
        text += QStringLiteral("<br><i>%1:</i> bout %2").arg(QLatin1String(roles[k])).arg(bout.bout);
        text += QStringLiteral("<br>") + wrestlerLine(bout.name1, bout.team1, "#ff7b7b");
        text += QStringLiteral("<br>") + wrestlerLine(bout.name2, bout.team2, "#7bff9b");
    }
    return text;
}

} // namespace

MatBoardScreen::MatBoardScreen(const Meet& meet, TableModels& models, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , meet_(meet)
{
    setObjectName(QStringLiteral("MatBoardScreen"));
    setWindowTitle(tr("Mat Board"));
    // Light type on black carries furthest across a gym.
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    grid_ = new QGridLayout(this);
    WindowPlacement::keep(*this, QSize(1280, 720));
    connect(&models, &TableModels::refreshed, this, [this] {
        if (isVisible())
            refresh();
    });
}

void MatBoardScreen::refresh()
{
    for (QLabel* label : labels_)
        delete label;
    labels_.clear();
    // A fresh grid, so no row or column of an earlier board keeps its room.
    delete grid_;
    grid_ = new QGridLayout(this);
    const auto board = matBoard(meet_.boutGrid);
    mats_ = static_cast<int>(board.size());
    if (board.empty()) {
        auto* label = new QLabel(tr("No bouts on the mats yet."), this);
        label->setObjectName(QStringLiteral("BoardEmptyLabel"));
        label->setAlignment(Qt::AlignCenter);
        labels_.append(label);
        grid_->addWidget(label, 0, 0);
        label->show();
    }
    const int columns = boardColumns(mats_);
    for (int k = 0; k < mats_; ++k) {
        const BoardMat& mat = board[static_cast<std::size_t>(k)];
        auto* label = new QLabel(matText(mat), this);
        label->setObjectName(QStringLiteral("BoardMat%1").arg(mat.mat));
        label->setTextFormat(Qt::RichText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // A long name is cut at the column's edge rather than widening the board.
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        labels_.append(label);
        grid_->addWidget(label, k / columns, k % columns);
        label->show();
    }
    for (int c = 0; c < columns; ++c)
        grid_->setColumnStretch(c, 1);
    for (int r = 0; r * columns < mats_; ++r)
        grid_->setRowStretch(r, 1);
    fitText();
}

void MatBoardScreen::fitText()
{
    textPixels_ = boardTextPixels(width(), height(), mats_);
    QFont type = font();
    type.setPixelSize(textPixels_);
    for (QLabel* label : labels_)
        label->setFont(type);
}

void MatBoardScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
}

void MatBoardScreen::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitText();
}

void MatBoardScreen::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F11) {
        if (isFullScreen())
            showNormal();
        else
            showFullScreen();
        return;
    }
    if (event->key() == Qt::Key_Escape && isFullScreen()) {
        showNormal();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace korvanda
