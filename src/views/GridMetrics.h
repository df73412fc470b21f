#pragma once
#include "platform/Canvas.h"

namespace tq {

// The grid's cell layout, from the grid font and the whitespace settings. The pairings window,
// the filter windows and the printouts reuse it.
struct GridMetrics {
    int CellWidth = 20;
    int RowHeight = 20;
    int NameColumnWidth = 120;
    int HeaderHeight = 40;
    int XPadding = 4;
    int YPadding = 2;
    int CreditOffset = 90;  // credit text from the name cell's left
    int DaysOffOffset = 75; // days-off text from the name cell's left

    // Pixels per minute: a day column spans 24 hours.
    double PixelsPerMinute() const { return CellWidth / 1440.0; }
    int ColumnBase(int column) const { return column * CellWidth + NameColumnWidth; }
    int RowTop(int row) const { return row * RowHeight + HeaderHeight; }
};

GridMetrics ComputeGridMetrics(const FontMetrics& font, int xPadding, int yPadding);

} // namespace tq
