#include "handmatch/BoutNumbers.h"

#include "meet/Meet.h"
#include "meet/Numbers.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace korvanda {

namespace {

struct BoutsItem {
    std::string text;
    std::optional<double> number;
};

std::vector<BoutsItem> boutsItems(std::string_view bouts)
{
    std::vector<BoutsItem> items;
    std::size_t start = 0;
    while (start <= bouts.size()) {
        std::size_t comma = bouts.find(',', start);
        if (comma == std::string_view::npos)
            comma = bouts.size();
        const std::string text = trimmed(bouts.substr(start, comma - start));
        // A stray double comma must not cut off the bouts after it.
        if (!text.empty()) {
            const auto value = readSingle(text);
            items.push_back({ text, value ? std::optional<double>(roundHalfEven(*value)) : std::nullopt });
        }
        start = comma + 1;
    }
    return items;
}

void appendItem(std::string& list, const std::string& item)
{
    if (!list.empty())
        list += ',';
    list += item;
}

} // namespace

std::string updateBoutsList(std::string_view bouts, int boutNumber, BoutsListChange change)
{
    std::string list;
    bool placed = change == BoutsListChange::Remove;
    for (const auto& item : boutsItems(bouts)) {
        if (!item.number) {
            appendItem(list, item.text);
            continue;
        }
        if (change == BoutsListChange::Remove && *item.number == boutNumber)
            continue;
        if (!placed && *item.number > boutNumber) {
            appendItem(list, std::to_string(boutNumber));
            placed = true;
        }
        appendItem(list, wholeText(*item.number));
    }
    if (!placed)
        appendItem(list, std::to_string(boutNumber));
    return list;
}

int boutCountOf(std::string_view bouts)
{
    if (trimmed(bouts).empty())
        return 0;
    return 1 + static_cast<int>(std::count(bouts.begin(), bouts.end(), ','));
}

int boutRowOf(const Table& boutGrid, std::string_view boutNumberText)
{
    const auto value = readSingle(boutNumberText);
    if (!value)
        return 0;
    const double number = roundHalfEven(*value);
    if (number < 1 || number > boutGrid.rowCount() - 1)
        return 0;
    const int row = static_cast<int>(number);
    return trimmed(boutGrid.cell(row, BoutColumn::Bout)).empty() ? 0 : row;
}

} // namespace korvanda
