#include "bouts/MatLayout.h"

#include <cmath>

namespace korvanda {

std::optional<MatPlacement> matPlacement(int mat, int visibleMats)
{
    if (visibleMats < 1 || visibleMats > 6 || mat < 1 || mat > visibleMats)
        return std::nullopt;
    // Two mats share a band of the window; the more bands, the shorter each.
    const int bands = (visibleMats + 1) / 2;
    const int band = (mat - 1) / 2;
    static constexpr int heights[] = { 10095, 4815, 3055 };
    static constexpr int tops[3][3] = { { 360, 0, 0 }, { 360, 5640, 0 }, { 360, 3880, 7400 } };
    const bool left = mat % 2 == 1;
    MatPlacement placement {};
    placement.tableLeft = left ? 120 : 7680;
    placement.tableWidth = 7455;
    placement.tableHeight = heights[bands - 1];
    placement.tableTop = tops[bands - 1][band];
    placement.captionLeft = left ? 3480 : (mat == 2 ? 10560 : 11040);
    placement.captionTop = placement.tableTop - 360;
    return placement;
}

int twipsToPixels(int twips, double dotsPerInch)
{
    return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

} // namespace korvanda
