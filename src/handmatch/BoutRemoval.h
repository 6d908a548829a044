#pragma once

#include "meet/Meet.h"

namespace korvanda {

class Dialogs;

// "Remove Last Bout" of the roster window and "Remove Last" of the bout
// window: asks, and on Yes takes the last bout out of the bout table and its
// number out of both wrestlers' Bouts cells. The bout table keeps at least
// one data row, so a lone bout leaves its row empty for the next bout.
// The restore file is saved whatever the answer. True when a bout went.
bool removeLastBout(Meet& meet, Dialogs& dialogs);

} // namespace korvanda
