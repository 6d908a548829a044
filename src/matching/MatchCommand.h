#pragma once

#include "matching/AutoMatch.h"
#include "matching/MatchSettings.h"

namespace korvanda {

class Dialogs;
struct Meet;

// The "Match" button: asks first when hand-made bouts would be lost, checks
// the settings and the present wrestlers, matches, and writes the restore
// file after every matching that ran, even one that found no bout. Nothing
// is changed or written when the director answers No or a value is refused.
// Gives true when the bout list was replaced.
bool runMatch(Meet& meet, const MatchSettings& settings, Dialogs& dialogs, const MatchProgress& progress);

} // namespace korvanda
