#include "views/GridMetrics.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(GridMetrics, FollowTheFontAndTheWhitespace) {
    struct Case {
        int avg, height, xPad, yPad;
        int cell, row, name, header, credit, daysOff;
    } cases[] = {
        // Arial 16/7 with the start-up whitespace 9/5
        {7, 16, 9, 5, 34, 23, 204, 49, 160, 132},
        // a small font: the floors of 120, 40, 90 and 75 hold
        {4, 10, 2, 1, 18, 13, 120, 40, 94, 75},
    };
    for (const auto& c : cases) {
        FontMetrics f;
        f.averageCharWidth = c.avg;
        f.height = c.height;
        const GridMetrics m = ComputeGridMetrics(f, c.xPad, c.yPad);
        EXPECT_EQ(m.CellWidth, c.cell);
        EXPECT_EQ(m.RowHeight, c.row);
        EXPECT_EQ(m.NameColumnWidth, c.name);
        EXPECT_EQ(m.HeaderHeight, c.header);
        EXPECT_EQ(m.CreditOffset, c.credit);
        EXPECT_EQ(m.DaysOffOffset, c.daysOff);
        EXPECT_EQ(m.ColumnBase(2), 2 * c.cell + c.name);
    }
}

} // namespace
} // namespace tq
