#pragma once

#include <QString>

namespace korvanda {

// The user's documents folder, where a new user's first meet goes.
QString documentsFolder();

// The demo meet that comes with the program: in a build tree and in an
// installation alike it lies in share/korvanda/ beside bin/.
QString demoMeetFolder();

} // namespace korvanda
