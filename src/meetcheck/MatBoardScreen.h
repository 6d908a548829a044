#pragma once

#include <QWidget>

class QGridLayout;
class QLabel;

namespace korvanda {

class TableModels;
struct Meet;

// The mat board for a second screen or a projector: on every mat the bout
// on the mat, on deck and in the hole, in type that grows with the window.
// It stays open beside the working windows; F11 fills the screen, Esc
// leaves it.
class MatBoardScreen : public QWidget {
    Q_OBJECT
public:
    MatBoardScreen(const Meet& meet, TableModels& models, QWidget* parent = nullptr);

    void refresh();
    // The height of the board's text in pixels, as last fitted to the window.
    int textPixels() const { return textPixels_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitText();

    const Meet& meet_;
    QGridLayout* grid_;
    QList<QLabel*> labels_;
    int mats_ = 0;
    int textPixels_ = 0;
};

} // namespace korvanda
