#include "meet/RowSorts.h"

#include "meet/Numbers.h"

#include <optional>
#include <string>
#include <string_view>

namespace korvanda {

namespace {

struct SortKey {
    std::optional<float> number;
    std::string_view text;
};

// Read from the row standing at that position now, never remembered, since
// rows move while the sort runs.
SortKey keyAt(const Table& table, int row, int column)
{
    const std::string& text = table.cell(row, column);
    return {readSingle(text), text};
}

// Below zero when a sorts before b ascending, zero when they are equal.
int compareKeys(const SortKey& a, const SortKey& b)
{
    if (a.number && b.number)
        return *a.number < *b.number ? -1 : (*b.number < *a.number ? 1 : 0);
    if (a.number)
        return -1;
    if (b.number)
        return 1;
    // std::char_traits<char> compares characters as unsigned codes, so the
    // accented letters of Latin-1 come after the plain ones.
    return a.text.compare(b.text);
}

// Orders rows first to last around the first row's key and gives the final
// position of that row.
int partition(Table& table, int column, bool ascending, int first, int last)
{
    const std::string pivotText = table.cell(first, column);
    const SortKey pivot{readSingle(pivotText), pivotText};
    int i = first;
    int j = last + 1;
    while (true) {
        // Ascending, i stops at a key not below the pivot and j at a key below it.
        while (true) {
            ++i;
            const int order = compareKeys(keyAt(table, i, column), pivot);
            if ((ascending ? order >= 0 : order <= 0) || i == last)
                break;
        }
        while (true) {
            --j;
            const int order = compareKeys(keyAt(table, j, column), pivot);
            if ((ascending ? order < 0 : order > 0) || j == first)
                break;
        }
        if (i >= j)
            break;
        table.swapRows(i, j);
    }
    if (j != first)
        table.swapRows(first, j);
    return j;
}

} // namespace

void quickSortRows(Table& table, int column, bool ascending, int first, int last)
{
    // The two parts are sorted independently of each other, so sorting the
    // smaller one first gives the same rows in the same order while an
    // already sorted roster no longer nests one call per row.
    while (first < last) {
        const int middle = partition(table, column, ascending, first, last);
        if (middle - first < last - middle) {
            quickSortRows(table, column, ascending, first, middle - 1);
            first = middle + 1;
        } else {
            quickSortRows(table, column, ascending, middle + 1, last);
            last = middle - 1;
        }
    }
}

void stableSortRows(Table& table, int column, bool ascending, int first, int last)
{
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int i = first; i < last; ++i) {
            const int order = compareKeys(keyAt(table, i + 1, column), keyAt(table, i, column));
            if (ascending ? order < 0 : order > 0) {
                table.swapRows(i, i + 1);
                exchanged = true;
            }
        }
    }
}

void sortRoster(Table& roster, int column, bool ascending, bool stable)
{
    if (stable)
        stableSortRows(roster, column, ascending, 1, roster.rowCount() - 1);
    else
        quickSortRows(roster, column, ascending, 1, roster.rowCount() - 1);
}

} // namespace korvanda
