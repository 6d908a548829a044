#include "meet/RowSorts.h"

#include "meet/Numbers.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvanda {

namespace {

struct SortKey {
    std::optional<float> number;
    std::string_view text;
};

// The rows being sorted with each row's key read once. A key travels with
// its row, and no cell changes while a sort runs, so this orders exactly as
// reading the cell afresh at every comparison would, without parsing a
// number millions of times on a large roster.
class KeyedRows {
public:
    KeyedRows(Table& table, int column, int first, int last)
        : table_(table)
        , first_(first)
    {
        for (int row = first; row <= last; ++row) {
            const std::string& text = table.cell(row, column);
            keys_.push_back({ readSingle(text), text });
        }
    }
    const SortKey& key(int row) const { return keys_[static_cast<std::size_t>(row - first_)]; }
    void swap(int a, int b)
    {
        table_.swapRows(a, b);
        std::swap(keys_[static_cast<std::size_t>(a - first_)], keys_[static_cast<std::size_t>(b - first_)]);
    }

private:
    Table& table_;
    int first_;
    std::vector<SortKey> keys_;
};

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
int partition(KeyedRows& rows, bool ascending, int first, int last)
{
    const SortKey pivot = rows.key(first);
    int i = first;
    int j = last + 1;
    while (true) {
        // Ascending, i stops at a key not below the pivot and j at a key below it.
        while (true) {
            ++i;
            const int order = compareKeys(rows.key(i), pivot);
            if ((ascending ? order >= 0 : order <= 0) || i == last)
                break;
        }
        while (true) {
            --j;
            const int order = compareKeys(rows.key(j), pivot);
            if ((ascending ? order < 0 : order > 0) || j == first)
                break;
        }
        if (i >= j)
            break;
        rows.swap(i, j);
    }
    if (j != first)
        rows.swap(first, j);
    return j;
}

void quickSort(KeyedRows& rows, bool ascending, int first, int last)
{
    // The two parts are sorted independently of each other, so sorting the
    // smaller one first gives the same rows in the same order while an
    // already sorted roster no longer nests one call per row.
    while (first < last) {
        const int middle = partition(rows, ascending, first, last);
        if (middle - first < last - middle) {
            quickSort(rows, ascending, first, middle - 1);
            first = middle + 1;
        } else {
            quickSort(rows, ascending, middle + 1, last);
            last = middle - 1;
        }
    }
}

} // namespace

void quickSortRows(Table& table, int column, bool ascending, int first, int last)
{
    if (first >= last)
        return;
    KeyedRows rows(table, column, first, last);
    quickSort(rows, ascending, first, last);
}

void stableSortRows(Table& table, int column, bool ascending, int first, int last)
{
    if (first >= last)
        return;
    // Exchanging neighbours until no two are out of order ends in the one
    // order in which the keys are sorted and rows with equal keys keep their
    // earlier order. A merge sort finds that same order without the passes
    // that make the exchanges slow on a large roster; the rows are then
    // moved there along the cycles of the new order.
    KeyedRows rows(table, column, first, last);
    std::vector<int> from(static_cast<std::size_t>(last - first + 1));
    std::iota(from.begin(), from.end(), first);
    std::stable_sort(from.begin(), from.end(), [&](int a, int b) {
        const int order = compareKeys(rows.key(a), rows.key(b));
        return ascending ? order < 0 : order > 0;
    });
    std::vector<bool> placed(from.size(), false);
    for (int start = first; start <= last; ++start) {
        for (int row = start; !placed[static_cast<std::size_t>(row - first)];) {
            placed[static_cast<std::size_t>(row - first)] = true;
            const int source = from[static_cast<std::size_t>(row - first)];
            if (source == start)
                break;
            table.swapRows(row, source);
            row = source;
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
