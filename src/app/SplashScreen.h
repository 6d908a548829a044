#pragma once

#include <QWidget>

class QTimer;

namespace korvanda {

// The first window: it stays until a click on the picture or the title
// lines, or until three seconds have passed, whichever comes first.
class SplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit SplashScreen(QWidget* parent = nullptr);

signals:
    // Emitted once; the team list takes over.
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTeamScreenAndClose();

    QTimer* timer_;
    bool done_ = false;
};

} // namespace korvanda
