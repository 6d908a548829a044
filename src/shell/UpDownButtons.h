#pragma once

#include <QWidget>

namespace korvanda {

// A pair of arrow buttons with separate up and down clicks, as beside the
// number of mats and above each roster column.
class UpDownButtons : public QWidget {
    Q_OBJECT
public:
    explicit UpDownButtons(Qt::Orientation orientation = Qt::Vertical, QWidget* parent = nullptr);

signals:
    void up();
    void down();
};

} // namespace korvanda
