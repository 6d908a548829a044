#include "meetcheck/MatOrder.h"

#include "bouts/MatSchedule.h"
#include "meet/Meet.h"
#include "meet/Numbers.h"

namespace korvanda {

std::map<int, std::vector<int>> boutsByMat(const Table& boutGrid)
{
    std::map<int, std::vector<int>> mats;
    for (int row = 1; row < boutGrid.rowCount(); ++row) {
        // The empty row of a fresh bout list holds no bout.
        if (trimmed(boutGrid.cell(row, BoutColumn::Bout)).empty())
            continue;
        const auto value = readSingle(boutGrid.cell(row, BoutColumn::Mat));
        if (!value)
            continue;
        const double mat = roundHalfEven(*value);
        if (mat < 1 || mat > maxMats)
            continue;
        mats[static_cast<int>(mat)].push_back(row);
    }
    return mats;
}

bool hasResult(const Table& boutGrid, int row)
{
    return !trimmed(boutGrid.cell(row, BoutColumn::Winner1)).empty()
        || !trimmed(boutGrid.cell(row, BoutColumn::Winner2)).empty();
}

} // namespace korvanda
