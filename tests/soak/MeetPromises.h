#pragma once

#include "meet/Meet.h"

#include <optional>
#include <string>
#include <string_view>

namespace korvanda::soak {

// What the program promises about the meet whatever the director did. Each
// check gives nothing when the promise holds, or what is wrong.

// Each table keeps its captions, its columns and at least one data row,
// and its current row lies among its data rows.
std::optional<std::string> tableShapeProblem(const Meet& meet);

// The restore file, read back, gives exactly the three tables.
std::optional<std::string> restoreFileProblem(const Meet& meet, std::string_view restoreFile);

// A file the program wrote ends every line with CR LF.
std::optional<std::string> wholeFileProblem(std::string_view bytes);

// Bout n stands in row n; only a bout list without bouts has an empty row.
std::optional<std::string> boutNumberProblem(const Meet& meet);

// Every wrestler's Bouts cell lists exactly the bouts that name him.
std::optional<std::string> boutsCellProblem(const Meet& meet);

// The meet's own rules let Bouts cells and bouts disagree here: a bout
// names someone who is not (or not only once) in the roster, as after a
// rename or a hand match typed in for a stranger, or a wrestler has so many
// bouts that his cell cannot take one more in order.
bool boutsMayDisagree(const Meet& meet);

} // namespace korvanda::soak
