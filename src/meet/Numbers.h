#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvanda {

// The one place where the meet's texts become numbers and numbers become
// texts again, so that 9, 9.0 and " 9" mean the same everywhere.

// Accepts surrounding spaces, a sign, digits with at most one decimal point
// and an optional exponent. A value that does not fit a single is refused.
bool isNumber(std::string_view text);

// The text's value in single precision, or nothing when it is no number.
std::optional<float> readSingle(std::string_view text);

// The same test, the value kept in double precision.
std::optional<double> readDouble(std::string_view text);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// A whole number as plain digits, with a minus sign when negative.
std::string wholeText(double wholeValue);

// The "#0.0" form of ages, skills and tallies: at least one digit before the
// point, exactly one after it, halves away from zero (10.25 -> 10.3).
std::string tenthsText(float value);

// Stored forms of the numeric roster cells; nothing when the text is no number.
std::optional<std::string> ageOrSkillText(std::string_view text);
std::optional<std::string> weightText(std::string_view text);

// Leading and trailing spaces removed.
std::string trimmed(std::string_view text);

} // namespace korvanda
