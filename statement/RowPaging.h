#pragma once

// The 35 item slots through 20 rows. Rows 16–20 always show slots 16–20; rows 1–15 are
// three groups of five (A, B, C) that show their lower slots (1–15) or, once scrolled out
// of sight above, move below row 20 and show the slots 20 higher (21–35).

#include <array>
#include <cstddef>
#include <vector>

namespace torvane::statement {

class RowPaging {
public:
    static constexpr int RowHeight = 20;

    // The group of a row (0 for A, 1 for B, 2 for C), -1 for rows 16–20.
    static int groupOfRow(int row) { return row >= 1 && row <= 15 ? (row - 1) / 5 : -1; }
    // The scroll position above which a group shows its upper slots: 100, 200, 300.
    static int threshold(int group) { return 100 * (group + 1); }
    // Where the totals boxes stand in the item area: right after the last usable slot.
    static int totalsTop(int expenseSlotCount) { return 702 - 20 * expenseSlotCount; }

    bool moved(int group) const { return moved_[static_cast<std::size_t>(group)]; }
    // The slot row r shows now.
    int slotOfRow(int row) const;
    // The top of a group in the item area: 0/100/200 with its lower slots, 402/502/602
    // with its upper ones.
    int groupTop(int group) const;

    // A key in a row's name, 数量, 単価 or 時間 box (or a name picked) marks its group as
    // being edited; leaving such a box clears the mark.
    void markEditing(int row, bool on);
    bool anyEditing() const;

    // Step 1 of a scroll to p: whether an edit in progress must be left first (the focus
    // moves on, so the box's calculation runs against the slot it was typed into).
    bool mustLeaveEditFirst(int p) const { return anyEditing() && p != lastScrollPos_; }
    // The rest: clears the marks when they applied, notes p and moves the groups whose
    // threshold p crossed. Returns those groups.
    std::vector<int> scrollTo(int p);

private:
    std::array<bool, 3> moved_{};
    std::array<bool, 3> editing_{};
    int lastScrollPos_ = 0;
};

} // namespace torvane::statement
