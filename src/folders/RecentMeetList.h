#pragma once

#include <QStringList>

namespace korvanda {

// The meet folders opened last, most recent first, at most five. They are
// kept in the user's settings of the program, never inside a meet folder.
QStringList loadRecentMeets();

// Puts `folder` first in the list.
void rememberMeet(const QString& folder);

// Takes `folder` out of the list, say when it is gone.
void forgetMeet(const QString& folder);

} // namespace korvanda
