#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvanda {

// One line of a data file cut into its comma-separated fields. A field in
// double quotes is taken without them and may hold commas; spaces around an
// unquoted field are dropped. A blank line gives no field at all.
std::vector<std::string> splitRecord(std::string_view line);

// The fields, each between double quotes, joined by single commas.
std::string quotedRecord(const std::vector<std::string>& fields);

} // namespace korvanda
