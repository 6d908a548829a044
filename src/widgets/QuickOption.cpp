#include "widgets/QuickOption.h"

#include <QShortcutEvent>

namespace korvanda {

QuickOption::QuickOption(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent)
{
}

bool QuickOption::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        setFocus(Qt::ShortcutFocusReason);
        // Two controls on one key only take turns at the focus.
        if (!static_cast<QShortcutEvent*>(event)->isAmbiguous() && isEnabled())
            click();
        return true;
    }
    return QRadioButton::event(event);
}

} // namespace korvanda
