#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace korvanda {

// Where a top-level window stands on the screen. It first opens at the size
// it was laid out for, as far as the screen's free area allows, in the
// middle of that area; after that it comes back where the director left it,
// as long as that place still lies on a screen. Kept per window, by its
// objectName, in the program's QSettings.
class WindowPlacement : public QObject {
    Q_OBJECT
public:
    // Places the window now and remembers its place whenever it is hidden or
    // closed.
    static void keep(QWidget& window, QSize startSize);

    // The room a window may take when it first opens: the screen's free area
    // less a title bar and borders, whose size is not known before it shows.
    static QSize startingRoom(const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WindowPlacement(QWidget& window);
    void place(QSize startSize);
    void remember() const;

    QWidget& window_;
};

} // namespace korvanda
