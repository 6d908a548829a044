#pragma once

#include <optional>

namespace korvanda {

// Where a mat's table and its caption stand on the schedule window, in
// twips (1440 to the inch). The tables fill two columns, odd mats on the
// left, and grow taller the fewer mats there are.
struct MatPlacement {
    int tableLeft;
    int tableTop;
    int tableWidth;
    int tableHeight;
    int captionLeft;
    int captionTop;
    bool operator==(const MatPlacement&) const = default;
};

// Nothing for a mat that is not shown with `visibleMats` mats.
std::optional<MatPlacement> matPlacement(int mat, int visibleMats);

// Twips to screen pixels, rounded: 15 twips make one pixel at 96 dpi.
int twipsToPixels(int twips, double dotsPerInch);

} // namespace korvanda
