#include "matching/BoutOrder.h"

#include <cstdlib>

namespace korvanda {

namespace {

bool sharesWrestler(const BoutOrder& order, int row, const int* wrestlers, int count)
{
    for (int w = 0; w < count; ++w)
        if (order(row, 1) == wrestlers[w] || order(row, 2) == wrestlers[w])
            return true;
    return false;
}

} // namespace

int restGap(const BoutOrder& order, int k, int first, int last)
{
    const int bout[2] = { order(k, 1), order(k, 2) };
    int gap = last - first + 1;
    for (int r = first; r <= last; ++r)
        if (r != k && sharesWrestler(order, r, bout, 2) && std::abs(k - r) < gap)
            gap = std::abs(k - r);
    return gap;
}

void swapBoutRows(BoutOrder& order, int i, int j)
{
    for (int c = 1; c <= 3; ++c)
        std::swap(order(i, c), order(j, c));
}

int trySwapBouts(BoutOrder& order, int i, int j, int first, int last)
{
    swapBoutRows(order, i, j);
    const int gi = restGap(order, i, first, last);
    const int gj = restGap(order, j, first, last);
    const int gain = std::abs(gi + gj) - std::abs(order(i, 3) + order(j, 3));
    if (gain <= 0) {
        swapBoutRows(order, i, j);
        return 0;
    }
    const int four[4] = { order(i, 1), order(i, 2), order(j, 1), order(j, 2) };
    int change = 0;
    for (int k = first; k <= last; ++k) {
        if (sharesWrestler(order, k, four, 4)) {
            const int gap = restGap(order, k, first, last);
            change += gap - order(k, 3);
            order(k, 3) = gap;
        }
    }
    if (change >= 0)
        return gain;
    swapBoutRows(order, i, j);
    for (int k = first; k <= last; ++k)
        if (sharesWrestler(order, k, four, 4))
            order(k, 3) = restGap(order, k, first, last);
    return gain;
}

void improveBoutOrder(BoutOrder& order, int first, int last, int threshold, int target)
{
    long long previousTotal = 0;
    int shortPasses = 0;
    while (true) {
        long long passGain = 0;
        for (int i = first; i <= last; ++i)
            for (int j = first; j <= last; ++j)
                if (i != j && (order(i, 3) < threshold || order(j, 3) < threshold))
                    passGain += trySwapBouts(order, i, j, first, last);
        long long total = 0;
        int minimum = 10000;
        for (int k = first; k <= last; ++k) {
            total += order(k, 3);
            if (order(k, 3) < minimum)
                minimum = order(k, 3);
        }
        bool stillShort = minimum < target;
        if (stillShort && ++shortPasses > 2)
            stillShort = false;
        if (passGain == 0)
            return;
        const bool gained = total > previousTotal;
        previousTotal = total;
        if (!gained && !stillShort)
            return;
    }
}

} // namespace korvanda
