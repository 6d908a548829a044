#include "widgets/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace korvanda {

namespace {

// A title bar and borders as most desktops draw them.
constexpr QMargins frameAllowance(8, 32, 8, 8);
// A window snapped to a screen edge may hang a few pixels over it.
constexpr int edgeTolerance = 10;

QString group(const QWidget& window)
{
    return QStringLiteral("Windows/") + window.objectName();
}

const QScreen& screenOf(const QWidget& window)
{
    if (const QScreen* shownOn = window.screen())
        return *shownOn;
    return *QGuiApplication::primaryScreen();
}

bool liesOnAScreen(const QRect& frame)
{
    const QMargins tolerance(edgeTolerance, edgeTolerance, edgeTolerance, edgeTolerance);
    for (const QScreen* screen : QGuiApplication::screens())
        if ((screen->availableGeometry() + tolerance).contains(frame))
            return true;
    return false;
}

} // namespace

WindowPlacement::WindowPlacement(QWidget& window)
    : QObject(&window)
    , window_(window)
{
    window.installEventFilter(this);
}

void WindowPlacement::keep(QWidget& window, QSize startSize)
{
    (new WindowPlacement(window))->place(startSize);
}

QSize WindowPlacement::startingRoom(const QWidget& window)
{
    return (screenOf(window).availableGeometry() - frameAllowance).size();
}

void WindowPlacement::place(QSize startSize)
{
    QSettings settings;
    settings.beginGroup(group(window_));
    const QRect frame = settings.value(QStringLiteral("frame")).toRect();
    const QSize size = settings.value(QStringLiteral("size")).toSize();
    if (frame.isValid() && size.isValid() && liesOnAScreen(frame)) {
        window_.resize(size);
        window_.move(frame.topLeft());
        if (settings.value(QStringLiteral("maximized")).toBool())
            window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
        return;
    }

    const QRect room = screenOf(window_).availableGeometry() - frameAllowance;
    window_.resize(startSize.boundedTo(room.size()));
    QRect client(QPoint(), window_.size());
    client.moveCenter(room.center());
    // A window's position is that of its frame, which starts above and left
    // of what it shows.
    window_.move(client.topLeft() - QPoint(frameAllowance.left(), frameAllowance.top()));
}

void WindowPlacement::remember() const
{
    const bool maximized = window_.isMaximized();
    const QRect normal = maximized || window_.isMinimized() ? window_.normalGeometry() : window_.geometry();
    if (!normal.isValid())
        return;
    const QRect shown = window_.geometry();
    const QRect frame = window_.frameGeometry();
    const QMargins border(shown.left() - frame.left(), shown.top() - frame.top(), frame.right() - shown.right(),
        frame.bottom() - shown.bottom());
    QSettings settings;
    settings.beginGroup(group(window_));
    settings.setValue(QStringLiteral("frame"), normal + border);
    settings.setValue(QStringLiteral("size"), normal.size());
    settings.setValue(QStringLiteral("maximized"), maximized);
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event)
{
    // A hide that the window system makes (minimising) is not the director
    // leaving the window.
    if (watched == &window_ && event->type() == QEvent::Hide && !event->spontaneous())
        remember();
    return QObject::eventFilter(watched, event);
}

} // namespace korvanda
