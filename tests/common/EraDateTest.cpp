#include "common/EraDate.h"

#include <gtest/gtest.h>

using namespace torvane;

TEST(EraDate, FormatsTheEraOfTheDate) {
    struct Case {
        int y, m, d;
        const char* text;
    } cases[] = {{2000, 3, 4, "平成12年03月04日"},   {1989, 1, 1, "平成01年01月01日"},
                 {1988, 12, 31, "昭和63年12月31日"}, {2019, 4, 30, "平成31年04月30日"},
                 {2019, 5, 1, "令和01年05月01日"},   {2026, 12, 11, "令和08年12月11日"},
                 {1912, 1, 1, "大正01年01月01日"},   {1911, 12, 31, "明治44年12月31日"},
                 {1926, 1, 1, "昭和01年01月01日"}};
    for (const auto& c : cases)
        EXPECT_EQ(era::format(c.y, c.m, c.d), sjis::lit(c.text)) << c.text;
}

TEST(EraDate, ChangeCharWidensOnlyHalfWidthDigits) {
    EXPECT_EQ(era::dateText(2002, 12, 9), sjis::lit("平成１４年１２月０９日"));
    // 0x82 0x4F is already full-width 0; its trail byte must not be taken for a digit.
    EXPECT_EQ(era::changeChar(sjis::lit("０a1")), sjis::lit("０a１"));
}
