#pragma once

// The statement record: item slots, the editor's rows and the expense rows.

#include "store/Schema.h"

#include <string>
#include <vector>

namespace torvane::statement {

inline constexpr int SlotCount = store::schema::ItemSlotCount; // 35
inline constexpr int RowCount = 20;                            // editor rows
inline constexpr int MaxExpenseSlots = 3;

// The six fields of an item slot, in their order within the slot.
enum class SlotField { Name, Quantity, UnitPrice, PartsAmount, Hours, LabourAmount };

// "作業内容n", "数量n", … for slot n (1..35).
std::string slotFieldName(SlotField field, int slot);

// The usable item slots are 1..L.
inline int usableSlots(int expenseSlotCount) {
    return SlotCount - expenseSlotCount;
}

// How the expense names of ReExpense fix the expense rows.
struct ExpenseLayout {
    int expenseSlotCount = 0;        // reserved slots, counted down from 35
    int amountBoxes = 0;             // named amount boxes, titled with names 2..7
    int freeRows = 0;                // free rows, one per reserved slot
    bool titleFromFirstName = false; // name 1 titles the 諸費用 box
};
ExpenseLayout expenseLayout(int expenseRecordCount);

// The field a named expense amount box k (1..6) shows: 部品代35, 作業工賃35, 部品代34, …
std::string expenseAmountField(int box);
// The reserved slot of free expense row k (1..3): 35, 34, 33.
inline int expenseFreeRowSlot(int row) {
    return SlotCount + 1 - row;
}

} // namespace torvane::statement
