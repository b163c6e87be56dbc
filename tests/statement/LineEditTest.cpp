#include "statement/LineEdit.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "store/Table.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace torvane;
using namespace torvane::statement;

namespace {

class LineEditTest : public ::testing::Test {
protected:
    TempDir dir;
    std::unique_ptr<store::Database> db = store::Database::open(dir / "z.sqlite3");
    store::Table t{*db, "Request"};
    LiveSettings live{7000, 10, sjis::lit("消費税無"), 0};

    // Slot s holds the name "s" and s yen of labour.
    void SetUp() override {
        t.append();
        for (int s = 1; s <= 35; ++s) {
            t.setText("作業内容" + std::to_string(s), std::to_string(s));
            t.setNumber("作業工賃" + std::to_string(s), s);
        }
    }
    std::string name(int s) { return t.text("作業内容" + std::to_string(s)); }
};

} // namespace

TEST_F(LineEditTest, DeleteMovesTheLaterSlotsUpAndEmptiesTheLast) {
    live.expenseSlotCount = 2; // L = 33
    deleteLine(t, 3, live);
    EXPECT_EQ(name(2), "2");
    EXPECT_EQ(name(3), "4");
    EXPECT_EQ(name(32), "33");
    EXPECT_EQ(name(33), "");
    EXPECT_TRUE(t.isNull("作業工賃33"));
    EXPECT_EQ(name(34), "34"); // an expense slot stays
    int sum = 0;
    for (int s = 1; s <= 33; ++s)
        sum += s == 3 ? 0 : s;
    EXPECT_EQ(t.integer("作業工賃合計"), sum);
}

TEST_F(LineEditTest, InsertMovesDownAndLosesTheLastUsableSlot) {
    insertLine(t, 3, live);
    EXPECT_EQ(name(2), "2");
    EXPECT_EQ(name(3), "");
    EXPECT_EQ(name(4), "3");
    EXPECT_EQ(name(35), "34");
    // On the last usable slot: nothing moves, the slot is emptied.
    insertLine(t, 35, live);
    EXPECT_EQ(name(35), "");
    EXPECT_EQ(name(34), "33");
}

TEST_F(LineEditTest, DirectLabourStaysWithoutHoursAndTextIsRefused) {
    t.setNull("作業工賃1");
    directLabour(t, 1, "5000", live);
    EXPECT_EQ(t.integer("作業工賃1"), 5000);
    DataCalc(t, 1, live); // no hours: the typed amount stays
    EXPECT_EQ(t.integer("作業工賃1"), 5000);
    EXPECT_THROW(directLabour(t, 1, "abc", live), store::StoreError);
    EXPECT_EQ(t.integer("作業工賃1"), 5000);
    directLabour(t, 1, "", live);
    EXPECT_TRUE(t.isNull("作業工賃1"));
}
