#include "meetcheck/MatFigures.h"

#include "meetcheck/MatOrder.h"

#include <cstdio>

namespace korvanda {

std::vector<MatFigure> matFigures(const Table& boutGrid, int minutesPerBout, int startMinutes)
{
    std::vector<MatFigure> figures;
    for (const auto& [mat, rows] : boutsByMat(boutGrid)) {
        MatFigure figure;
        figure.mat = mat;
        figure.bouts = static_cast<int>(rows.size());
        for (const int row : rows)
            if (hasResult(boutGrid, row))
                ++figure.withResults;
        figure.endMinutes = startMinutes + figure.bouts * minutesPerBout;
        figures.push_back(figure);
    }
    return figures;
}

std::string clockText(int minutes)
{
    constexpr int day = 24 * 60;
    const int days = minutes / day;
    const int inDay = minutes % day;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", inDay / 60, inDay % 60);
    std::string shown = text;
    if (days > 0)
        shown += " (+" + std::to_string(days) + (days == 1 ? " day)" : " days)");
    return shown;
}

} // namespace korvanda
