#include "statement/DateFields.h"
#include "store/Database.h"
#include "store/Table.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace torvane;
using namespace torvane::statement;

TEST(DateFields, NextCheckDateFollowsTheExpiry) {
    struct Case {
        era::Date today, expiry, check;
    } cases[] = {
        {{2000, 5, 1}, {2001, 3, 10}, {2002, 3, 10}}, // next year, month passed: two years on
        {{2000, 5, 1}, {2001, 8, 10}, {2000, 8, 10}}, // next year, month to come
        {{2000, 5, 1}, {2000, 2, 1}, {2001, 2, 1}},   // this year
        {{2000, 5, 1}, {1999, 9, 1}, {2000, 9, 1}},   // an earlier year
        {{2000, 5, 1}, {2003, 5, 1}, {2001, 5, 1}},   // later, month not later
        {{2000, 5, 1}, {2003, 6, 1}, {2000, 6, 1}},   // later, month later
    };
    for (const auto& c : cases)
        EXPECT_EQ(nextCheckDate(c.today, c.expiry), c.check)
            << c.expiry.year << "/" << c.expiry.month;
}

TEST(DateFields, ReceptionNumbers) {
    EXPECT_EQ(receptionNumber({2005, 7, 25}, 1), "05072501");
    EXPECT_EQ(receptionNumber({2005, 7, 25}, 100), "05072500");
    EXPECT_EQ(receptionNumber({2010, 12, 3}, 0), "10120300");
}

namespace {
struct Statement : ::testing::Test {
    TempDir dir;
    std::unique_ptr<store::Database> db = store::Database::open(dir / "z.sqlite3");
    store::Table t{*db, "Request"};
    void SetUp() override { t.append(); }
};
} // namespace

TEST_F(Statement, CheckDateIsFilledOnlyWhenEmpty) {
    const era::Date today{2000, 5, 1};
    t.setText("車検期限", sjis::lit("平成１３年０３月１０日"));
    EXPECT_FALSE(fillCheckDate(t, today));
    EXPECT_EQ(t.text("点検日"), sjis::lit("平成１４年０３月１０日"));
    t.setText("車検期限", sjis::lit("平成１３年０８月１０日"));
    fillCheckDate(t, today);
    EXPECT_EQ(t.text("点検日"), sjis::lit("平成１４年０３月１０日"));
}

TEST_F(Statement, CheckDateOfTheTwentyNinthOfFebruaryMayNotExist) {
    // An expiry of 29 February 2000 seen in 2000: the check falls in 2001, a common year.
    t.setText("車検期限", sjis::lit("平成１２年０２月２９日"));
    const auto message = fillCheckDate(t, {2000, 5, 1});
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(*message, "'2001/2/29' は日付または時刻ではありません");
    EXPECT_TRUE(t.isNull("点検日"));
}

TEST_F(Statement, ReceptionNumbersGoIntoEmptyFieldsAndCountUp) {
    const era::Date today{2026, 12, 11};
    t.setText("作成日", sjis::lit("平成１７年０７月２５日"));
    int serial = 1;
    writeReceptionNumbers(t, serial, false, today);
    EXPECT_EQ(t.text("受付番号"), "05072501");
    EXPECT_EQ(serial, 2);
    writeReceptionNumbers(t, serial, false, today); // 受付番号 holds one already
    EXPECT_EQ(serial, 2);
    t.setText("受付番号", "");
    writeReceptionNumbers(t, serial, false, today);
    EXPECT_EQ(t.text("受付番号"), "05072502");

    // The comment first when its caption says 受付番号; with the optional fields off
    // the serial part is 00 and the count makes the second step try 受付番号.
    t.setText("受付番号", "");
    serial = 0;
    writeReceptionNumbers(t, serial, true, today);
    EXPECT_EQ(t.text("コメント"), "05072500");
    EXPECT_EQ(t.text("受付番号"), "05072501");
    EXPECT_EQ(serial, 2);
}
