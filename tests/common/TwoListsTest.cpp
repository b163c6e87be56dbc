#include "common/TwoLists.h"

#include <gtest/gtest.h>

using namespace torvane::twolists;
using List = std::vector<std::string>;

TEST(TwoLists, SpansMoveAcrossInOrderWithTheEntriesBetween) {
    List left{"a", "b", "c", "d", "e"};
    List right{"x"};
    moveAcross(left, right, {false, true, false, true, false}); // b..d, c included
    EXPECT_EQ(left, (List{"a", "e"}));
    EXPECT_EQ(right, (List{"x", "b", "c", "d"}));
    moveAcross(right, left, {true, false, false, false});
    EXPECT_EQ(left, (List{"a", "e", "x"}));
    moveAcross(left, right, {false, false, false}); // nothing selected: nothing moves
    EXPECT_EQ(left.size(), 3u);
}

TEST(TwoLists, ArrowsMoveTheSpanOnePlace) {
    struct Case {
        List list;
        std::vector<bool> selected;
        bool up;
        List after;
        int select;
    } cases[] = {
        {{"a", "b", "c", "d"}, {false, true, true, false}, true, {"b", "c", "a", "d"}, 0},
        {{"a", "b", "c", "d"}, {false, true, true, false}, false, {"a", "d", "b", "c"}, 3},
        {{"a", "b", "c"}, {true, false, false}, true, {"a", "b", "c"}, -1},  // at the top
        {{"a", "b", "c"}, {false, false, true}, false, {"a", "b", "c"}, -1}, // at the bottom
        {{"a", "b"}, {false, false}, true, {"a", "b"}, -1},
    };
    for (auto& c : cases) {
        const int select = c.up ? moveUp(c.list, c.selected) : moveDown(c.list, c.selected);
        EXPECT_EQ(c.list, c.after);
        EXPECT_EQ(select, c.select);
    }
}

TEST(TwoLists, SettingsLinesKeepBothLists) {
    const List lines = toLines({"氏名", "住所"}, {"車名"});
    EXPECT_EQ(lines, (List{"氏名", "住所", "", "車名", ""}));
    List left, right;
    fromLines(lines, left, right);
    EXPECT_EQ(left, (List{"氏名", "住所"}));
    EXPECT_EQ(right, (List{"車名"}));
    fromLines({"", ""}, left, right);
    EXPECT_TRUE(left.empty() && right.empty());
}
