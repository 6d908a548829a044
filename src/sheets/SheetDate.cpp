#include "sheets/SheetDate.h"

#include "meet/Numbers.h"

#include <charconv>
#include <cmath>

namespace korvanda {

namespace {

// The serial day of 1 January 1970: spreadsheets count from 30 December
// 1899, so that their mistaken 29 February 1900 comes out right.
constexpr DayNumber serialOf1970 = 25569;

bool isLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool dayExists(int year, int month, int day)
{
    constexpr int lengths[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (year < 1900 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    return day <= lengths[month - 1] + (month == 2 && isLeap(year) ? 1 : 0);
}

// Reads the digits at the front of `text` and moves past them.
std::optional<int> leadingNumber(std::string_view& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() || end - text.data() > 4)
        return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

std::optional<DayNumber> dateOf(int year, int month, int day)
{
    if (!dayExists(year, month, day))
        return std::nullopt;
    return dayNumber(year, month, day);
}

// "yyyy-mm-dd" or "m/d/yyyy", each number followed by its separator.
std::optional<DayNumber> readDateText(std::string_view text)
{
    const auto a = leadingNumber(text);
    if (!a || text.empty() || (text.front() != '-' && text.front() != '/'))
        return std::nullopt;
    const char separator = text.front();
    text.remove_prefix(1);
    const auto b = leadingNumber(text);
    if (!b || text.empty() || text.front() != separator)
        return std::nullopt;
    text.remove_prefix(1);
    const auto c = leadingNumber(text);
    if (!c || (!text.empty() && text.front() != 'T' && text.front() != ' '))
        return std::nullopt;
    if (separator == '-')
        return dateOf(*a, *b, *c);
    return dateOf(*c, *a, *b);
}

} // namespace

// Days from the civil calendar, after Howard Hinnant's days_from_civil.
DayNumber dayNumber(int year, int month, int day)
{
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<DayNumber>(era) * 146097 + dayOfEra - 719468;
}

std::optional<DayNumber> readSheetDate(std::string_view text)
{
    const std::string plain = trimmed(text);
    if (const auto serial = readDouble(plain)) {
        // From 1 January 1900 to 31 December 9999.
        if (*serial < 1 || *serial > 2958465)
            return std::nullopt;
        return static_cast<DayNumber>(std::floor(*serial)) - serialOf1970;
    }
    return readDateText(plain);
}

std::optional<std::string> ageOnDay(DayNumber birth, DayNumber meetDay)
{
    if (birth >= meetDay)
        return std::nullopt;
    // An average year, leap days included.
    return tenthsText(static_cast<float>(static_cast<double>(meetDay - birth) / 365.25));
}

} // namespace korvanda
