#include "statement/StatementRecord.h"

#include <algorithm>

namespace torvane::statement {

std::string slotFieldName(SlotField field, int slot) {
    static const char* const names[] = {"作業内容", "数量", "単価", "部品代", "時間", "作業工賃"};
    return names[static_cast<int>(field)] + std::to_string(slot);
}

ExpenseLayout expenseLayout(int n) {
    ExpenseLayout l;
    if (n <= 1)
        return l;
    l.titleFromFirstName = true;
    l.amountBoxes = std::min(n, 7) - 1;
    // Two amount boxes share one reserved slot (its 部品代 and 作業工賃).
    l.expenseSlotCount = (l.amountBoxes + 1) / 2;
    l.freeRows = l.expenseSlotCount;
    return l;
}

std::string expenseAmountField(int box) {
    const int slot = SlotCount - (box - 1) / 2;
    return slotFieldName(box % 2 == 1 ? SlotField::PartsAmount : SlotField::LabourAmount, slot);
}

} // namespace torvane::statement
