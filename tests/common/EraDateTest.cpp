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

namespace {
const era::Date Today{2026, 12, 11};
}

TEST(EraDate, CharToDateReadsEraTextsAndLooseText) {
    struct Case {
        const char* text;
        era::Date date;
    } cases[] = {
        {"平成１２年０３月０４日", {2000, 3, 4}},
        {"昭和６４年０１月０７日", {1989, 1, 7}}, // the era as written
        {"明治４５年", {1912, 12, 11}},
        {"令和０８年１２月１１日", {2026, 12, 11}},
        {"平成３１年０４月３０日", {2019, 4, 30}},
        {"平成１２年０２月３０日", {2000, 2, 29}},
        {"平成１３年０２月３０日", {2001, 2, 28}},
        {"平成１２年０４月３５日", {2000, 4, 30}},
        {"平成１２年１３月０１日", {2000, 12, 1}},
        {"平成１２年３月４", {2000, 3, 4}},
        {"12/3/4", {12, 3, 4}},
        {"", Today},
        {"平成１２年０月", {2000, 12, 11}},  // 0 is never stored
        {"平成１２年　３月", {2000, 12, 3}}, // each separator moves on
        {"平成年", {1988, 12, 11}},
        {"2000年3月4日", {2000, 3, 4}},
        {"x平成１２年", Today}, // an era name elsewhere is a character, and each moves on
    };
    for (const auto& c : cases)
        EXPECT_EQ(era::CharToDate(sjis::lit(c.text), Today), c.date) << c.text;
}

TEST(EraDate, FormatsEraBoundaries) {
    struct Case {
        era::Date date;
        const char* text;
    } cases[] = {
        {{1989, 1, 1}, "平成０１年０１月０１日"},      {{1988, 12, 31}, "昭和６３年１２月３１日"},
        {{1911, 6, 1}, "明治４４年０６月０１日"},      {{1912, 6, 1}, "大正０１年０６月０１日"},
        {{2019, 4, 30}, "平成３１年０４月３０日"},     {{2019, 5, 1}, "令和０１年０５月０１日"},
        {{1988 + 120, 1, 1}, "令和９０年０１月０１日"}};
    for (const auto& c : cases)
        EXPECT_EQ(era::dateText(c.date), sjis::lit(c.text)) << c.text;
    EXPECT_EQ(era::format(2000 + 2018 + 100 - 2018 + 18, 1, 1).substr(4, 3), "100");
}
