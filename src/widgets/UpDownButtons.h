#pragma once

#include <QWidget>

class QToolButton;

namespace korvanda {

// A pair of arrow buttons with separate up and down clicks, as beside the
// number of mats and above each roster column.
class UpDownButtons : public QWidget {
    Q_OBJECT
public:
    explicit UpDownButtons(Qt::Orientation orientation = Qt::Vertical, QWidget* parent = nullptr);

    // Alone the arrows are heard only as up and down; these say what for.
    void nameArrows(
        const QString& upName, const QString& downName, const QString& upDescription, const QString& downDescription);

signals:
    void up();
    void down();

private:
    QToolButton* upButton_;
    QToolButton* downButton_;
};

} // namespace korvanda
