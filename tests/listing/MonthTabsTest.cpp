#include "listing/MonthTabs.h"
#include "store/Filter.h"

#include <gtest/gtest.h>

using namespace torvane;
using namespace torvane::listing;

namespace {

const era::Date Today{2026, 12, 11};

std::vector<std::string> captions(const std::vector<MonthTab>& tabs) {
    std::vector<std::string> out;
    for (const auto& t : tabs)
        out.push_back(*sjis::toUtf8(t.caption));
    return out;
}

// Whether a statement dated `date` passes a filter text over 作成日.
bool passes(const sjis::Bytes& filter, const char* date) {
    for (const auto& term : store::parseFilter(filter))
        if (!term.matches(sjis::lit(date)))
            return false;
    return true;
}

} // namespace

TEST(MonthTabs, TabsRunNewestFirstAndFollowTheSettleDay) {
    struct Case {
        const char* earliest;
        const char* latest;
        int settleDay;
        std::vector<std::string> tabs;
    } cases[] = {
        {"平成１３年１１月２１日",
         "平成１４年０１月０５日",
         0,
         {"平成１４年０１月", "平成１３年１２月", "平成１３年１１月"}},
        {"平成１３年１１月２１日",
         "平成１４年０１月０５日",
         20,
         {"平成１４年０１月", "平成１３年１２月"}},
        // After the settle day in December: the period of January of the next year.
        {"平成１４年１２月２５日", "平成１４年１２月２６日", 20, {"平成１５年０１月"}},
        {"平成３１年０４月３０日",
         "令和０１年０５月０１日",
         0,
         {"令和０１年０５月", "平成３１年０４月"}},
        {"平成１５年０１月０１日", "平成１４年０１月０１日", 0, {}}, // earliest after latest
    };
    for (const auto& c : cases)
        EXPECT_EQ(captions(buildMonthTabs(sjis::lit(c.earliest), sjis::lit(c.latest), c.settleDay,
                                          Today)),
                  c.tabs)
            << c.earliest << " " << c.settleDay;
}

TEST(MonthTabs, PeriodsOfASettleDay) {
    const auto tabs = buildMonthTabs(sjis::lit("平成１４年１２月０１日"),
                                     sjis::lit("平成１４年１２月０１日"), 20, Today);
    ASSERT_EQ(tabs.size(), 1u);
    EXPECT_EQ(tabs[0].start, sjis::lit("平成１４年１１月２１日"));
    EXPECT_EQ(tabs[0].end, sjis::lit("平成１４年１２月２０日"));
    // January's period starts in December of the year before.
    const auto january = buildMonthTabs(sjis::lit("平成１５年０１月１０日"),
                                        sjis::lit("平成１５年０１月１０日"), 25, Today);
    EXPECT_EQ(january.at(0).start, sjis::lit("平成１４年１２月２６日"));
}

TEST(MonthTabs, FilterTextsAreExactlyTheOnesTheListUses) {
    const MonthTab march{sjis::lit("平成１４年０３月"), sjis::lit("平成１４年０２月２６日"),
                         sjis::lit("平成１４年０３月２５日")};
    EXPECT_EQ(
        tabPeriodText(march, 25),
        sjis::lit(
            "(作成日 >= '平成１４年０２月２６日') and  (作成日 <= '平成１４年０３月２５日')"));
    EXPECT_EQ(tabPeriodText(march, 0), sjis::lit("(作成日 = '平成１４年０３月*')"));
    const MonthTab january{sjis::lit("平成１４年０１月"), {}, {}};
    const MonthTab december{sjis::lit("平成１４年１２月"), {}, {}};
    EXPECT_EQ(periodFilterText(january, december, 0),
              sjis::lit("(作成日 >= '平成１４年０１月') and (作成日 <= '平成１４年１２月３１日')"));
    EXPECT_EQ(entryTest(sjis::lit("種別"), sjis::lit("軽自動車以外")),
              sjis::lit("(種別 <> '軽自動車*')"));
    EXPECT_EQ(entryTest(sjis::lit("タイトル"), sjis::lit("車検")),
              sjis::lit("(タイトル = '車検*')"));
    EXPECT_EQ(personalFilter(sjis::lit("氏名"), "O'Brien"), sjis::lit("(氏名 = 'O''Brien')"));
}

TEST(MonthTabs, PeriodsHoldTheirDaysAndNoOthers) {
    const MonthTab march{sjis::lit("平成１４年０３月"), sjis::lit("平成１４年０２月２６日"),
                         sjis::lit("平成１４年０３月２５日")};
    struct Case {
        const char* date;
        bool in;
    } cases[] = {{"平成１４年０２月２５日", false},
                 {"平成１４年０２月２６日", true},
                 {"平成１４年０３月２５日", true},
                 {"平成１４年０３月２６日", false}};
    for (const auto& c : cases)
        EXPECT_EQ(passes(tabPeriodText(march, 25), c.date), c.in) << c.date;
    // Month end: every day whose text begins with the caption, and the whole To month.
    EXPECT_TRUE(passes(tabPeriodText(march, 0), "平成１４年０３月３１日"));
    EXPECT_FALSE(passes(tabPeriodText(march, 0), "平成１４年０４月０１日"));
    const MonthTab january{sjis::lit("平成１４年０１月"), {}, {}};
    const sjis::Bytes year = periodFilterText(january, march, 0);
    EXPECT_TRUE(passes(year, "平成１４年０１月０１日"));
    EXPECT_TRUE(passes(year, "平成１４年０３月３１日"));
    EXPECT_FALSE(passes(year, "平成１３年１２月３１日"));
}
