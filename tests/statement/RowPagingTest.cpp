#include "statement/RowPaging.h"

#include <gtest/gtest.h>

using namespace torvane::statement;

TEST(RowPaging, GroupsMoveAtTheirThresholds) {
    RowPaging paging;
    struct Step {
        int p;
        std::vector<int> changed;
        int slotOfRow1, slotOfRow6, slotOfRow11, slotOfRow16;
    } steps[] = {
        {100, {}, 1, 6, 11, 16},    {101, {0}, 21, 6, 11, 16},   {301, {1, 2}, 21, 26, 31, 16},
        {300, {2}, 21, 26, 11, 16}, {100, {0, 1}, 1, 6, 11, 16}, {0, {}, 1, 6, 11, 16},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(paging.scrollTo(s.p), s.changed) << s.p;
        EXPECT_EQ(paging.slotOfRow(1), s.slotOfRow1) << s.p;
        EXPECT_EQ(paging.slotOfRow(6), s.slotOfRow6) << s.p;
        EXPECT_EQ(paging.slotOfRow(11), s.slotOfRow11) << s.p;
        EXPECT_EQ(paging.slotOfRow(16), s.slotOfRow16) << s.p;
    }
    paging.scrollTo(400);
    EXPECT_EQ(paging.groupTop(0), 402);
    EXPECT_EQ(paging.groupTop(2), 602);
    EXPECT_EQ(RowPaging::totalsTop(2), 662);
}

TEST(RowPaging, AnEditInProgressIsLeftBeforeTheRowsMove) {
    RowPaging paging;
    paging.markEditing(3, true);
    EXPECT_FALSE(paging.mustLeaveEditFirst(0)); // no scroll, nothing to do
    EXPECT_TRUE(paging.mustLeaveEditFirst(120));
    paging.scrollTo(120);
    EXPECT_FALSE(paging.anyEditing());
    // Leaving the box normally clears the mark, so a later scroll moves no focus.
    paging.markEditing(17, true); // rows 16–20 belong to no group
    paging.markEditing(2, true);
    paging.markEditing(2, false);
    EXPECT_FALSE(paging.mustLeaveEditFirst(0));
}
