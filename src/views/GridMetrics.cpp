#include "views/GridMetrics.h"

#include <algorithm>

namespace tq {

GridMetrics ComputeGridMetrics(const FontMetrics& font, int xPadding, int yPadding) {
    GridMetrics m;
    m.XPadding = xPadding;
    m.YPadding = yPadding;
    const int avg = font.averageCharWidth;
    m.CellWidth = 3 * avg + xPadding + 4;
    m.RowHeight = font.height + yPadding + 2;
    m.NameColumnWidth = std::max(120, 6 * m.CellWidth);
    m.HeaderHeight = std::max(40, 2 * m.RowHeight + 3);
    m.CreditOffset = std::max(90, m.NameColumnWidth - 6 * avg - 2);
    m.DaysOffOffset = std::max(75, m.CreditOffset - 3 * avg - 7);
    return m;
}

} // namespace tq
