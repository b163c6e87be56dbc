#include "statement/StatementRecord.h"

#include <gtest/gtest.h>

using namespace torvane::statement;

TEST(StatementRecord, ExpenseNamesFixTheReservedSlots) {
    struct Case {
        int records, slots, boxes, freeRows;
        bool titled;
    } cases[] = {{0, 0, 0, 0, false}, {1, 0, 0, 0, false}, {2, 1, 1, 1, true},
                 {3, 1, 2, 1, true},  {4, 2, 3, 2, true},  {5, 2, 4, 2, true},
                 {6, 3, 5, 3, true},  {7, 3, 6, 3, true},  {9, 3, 6, 3, true}};
    for (const auto& c : cases) {
        const ExpenseLayout l = expenseLayout(c.records);
        EXPECT_EQ(l.expenseSlotCount, c.slots) << c.records;
        EXPECT_EQ(l.amountBoxes, c.boxes) << c.records;
        EXPECT_EQ(l.freeRows, c.freeRows) << c.records;
        EXPECT_EQ(l.titleFromFirstName, c.titled) << c.records;
    }
}

TEST(StatementRecord, SlotsOfBoxesAndRows) {
    EXPECT_EQ(slotFieldName(SlotField::LabourAmount, 35), "作業工賃35");
    EXPECT_EQ(expenseAmountField(1), "部品代35");
    EXPECT_EQ(expenseAmountField(2), "作業工賃35");
    EXPECT_EQ(expenseAmountField(5), "部品代33");
    EXPECT_EQ(expenseAmountField(6), "作業工賃33");
    EXPECT_EQ(expenseFreeRowSlot(3), 33);
    EXPECT_EQ(usableSlots(2), 33);
}
