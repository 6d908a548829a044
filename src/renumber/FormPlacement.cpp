#include "renumber/FormPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace quillon {

namespace {

// A title bar and borders as most desktops draw them; they are not known
// before the window first shows.
constexpr QMargins frameAllowance(8, 32, 8, 8);
// A window snapped to a screen edge may hang a few pixels over it.
constexpr QMargins edgeTolerance(10, 10, 10, 10);

QString group(const QWidget& form)
{
    return QStringLiteral("Windows/") + form.objectName();
}

} // namespace

FormPlacement::FormPlacement(QWidget& form)
    : QObject(&form)
    , form_(form)
{
    form.installEventFilter(this);
}

void FormPlacement::keep(QWidget& form, QSize startSize)
{
    (new FormPlacement(form))->place(startSize);
}

void FormPlacement::place(QSize startSize)
{
    QSettings settings;
    settings.beginGroup(group(form_));
    const QRect frame = settings.value(QStringLiteral("frame")).toRect();
    const QSize size = settings.value(QStringLiteral("size")).toSize();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (frame.isValid() && size.isValid() && (screen->availableGeometry() + edgeTolerance).contains(frame)) {
            form_.resize(size);
            form_.move(frame.topLeft());
            return;
        }
    }
    const QScreen* screen = form_.screen() ? form_.screen() : QGuiApplication::primaryScreen();
    const QRect room = screen->availableGeometry() - frameAllowance;
    form_.resize(startSize.boundedTo(room.size()));
    QRect client(QPoint(), form_.size());
    client.moveCenter(room.center());
    form_.move(client.topLeft() - QPoint(frameAllowance.left(), frameAllowance.top()));
}

void FormPlacement::remember() const
{
    const QRect shown = form_.geometry();
    const QRect frame = form_.frameGeometry();
    QSettings settings;
    settings.beginGroup(group(form_));
    settings.setValue(QStringLiteral("frame"), frame);
    settings.setValue(QStringLiteral("size"), shown.size());
}

bool FormPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &form_ && event->type() == QEvent::Hide && !event->spontaneous() && !form_.isMaximized()
        && !form_.isMinimized())
        remember();
    return QObject::eventFilter(watched, event);
}

} // namespace quillon
