#include "meetcheck/RestCheck.h"

#include "meet/Meet.h"
#include "meet/Numbers.h"
#include "meetcheck/MatOrder.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace korvanda {

namespace {

struct Appearance {
    int slot;
    int bout;
    int mat;
    std::string team;
};

// Each wrestler's bouts in the order the mats reach them, the earlier bout
// first when two fall in one slot.
std::map<std::string, std::vector<Appearance>> appearances(const Table& boutGrid)
{
    std::map<std::string, std::vector<Appearance>> byName;
    for (const auto& [mat, rows] : boutsByMat(boutGrid)) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int row = rows[i];
            const int slot = static_cast<int>(i) + 1;
            for (const auto& [nameColumn, teamColumn] : { std::pair { BoutColumn::Name1, BoutColumn::Team1 },
                     std::pair { BoutColumn::Name2, BoutColumn::Team2 } }) {
                const std::string name = trimmed(boutGrid.cell(row, nameColumn));
                if (!name.empty())
                    byName[name].push_back({ slot, row, mat, trimmed(boutGrid.cell(row, teamColumn)) });
            }
        }
    }
    for (auto& [name, list] : byName)
        std::sort(list.begin(), list.end(), [](const Appearance& a, const Appearance& b) {
            return std::tie(a.slot, a.bout) < std::tie(b.slot, b.bout);
        });
    return byName;
}

} // namespace

std::vector<RestGap> restGaps(const Table& boutGrid)
{
    std::vector<RestGap> gaps;
    for (const auto& [name, list] : appearances(boutGrid)) {
        if (list.size() < 2)
            continue;
        // The closest pair always lies side by side in slot order.
        std::size_t closest = 1;
        for (std::size_t k = 2; k < list.size(); ++k)
            if (list[k].slot - list[k - 1].slot < list[closest].slot - list[closest - 1].slot)
                closest = k;
        const Appearance& first = list[closest - 1];
        const Appearance& second = list[closest];
        gaps.push_back(
            { name, first.team, second.slot - first.slot - 1, first.bout, first.mat, second.bout, second.mat });
    }
    std::stable_sort(gaps.begin(), gaps.end(), [](const RestGap& a, const RestGap& b) {
        return std::tie(a.rest, a.firstBout) < std::tie(b.rest, b.firstBout);
    });
    return gaps;
}

std::set<int> shortRestBouts(const Table& boutGrid, int minimumRest)
{
    std::set<int> bouts;
    for (const auto& [name, list] : appearances(boutGrid))
        for (std::size_t k = 1; k < list.size(); ++k)
            if (list[k].slot - list[k - 1].slot - 1 < minimumRest) {
                bouts.insert(list[k - 1].bout);
                bouts.insert(list[k].bout);
            }
    return bouts;
}

} // namespace korvanda
