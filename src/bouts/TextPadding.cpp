#include "bouts/TextPadding.h"

#include "meet/Numbers.h"

#include <algorithm>

namespace korvanda {

namespace {

std::size_t fieldSize(int width)
{
    return static_cast<std::size_t>(std::max(width, 0));
}

} // namespace

std::string rightJustify(std::string_view text, int width)
{
    const std::size_t size = fieldSize(width);
    if (text.size() >= size)
        return std::string(text.substr(text.size() - size));
    return std::string(size - text.size(), ' ') + std::string(text);
}

std::string leftJustify(std::string_view text, int width)
{
    const std::size_t size = fieldSize(width);
    if (text.size() >= size)
        return std::string(text.substr(0, size));
    return std::string(text) + std::string(size - text.size(), ' ');
}

std::string centerText(std::string_view text, int width)
{
    const double room = (static_cast<double>(width) - static_cast<double>(text.size())) / 2;
    const double spaces = roundHalfEven(room);
    if (spaces <= 0)
        return std::string(text);
    return std::string(static_cast<std::size_t>(spaces), ' ') + std::string(text);
}

} // namespace korvanda
