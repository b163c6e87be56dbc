#include "statement/RowPaging.h"

namespace torvane::statement {

int RowPaging::slotOfRow(int row) const {
    const int g = groupOfRow(row);
    return g >= 0 && moved_[static_cast<std::size_t>(g)] ? row + 20 : row;
}

int RowPaging::groupTop(int group) const {
    return moved_[static_cast<std::size_t>(group)] ? 402 + 100 * group : 100 * group;
}

void RowPaging::markEditing(int row, bool on) {
    const int g = groupOfRow(row);
    if (g >= 0)
        editing_[static_cast<std::size_t>(g)] = on;
}

bool RowPaging::anyEditing() const {
    return editing_[0] || editing_[1] || editing_[2];
}

std::vector<int> RowPaging::scrollTo(int p) {
    if (mustLeaveEditFirst(p))
        editing_ = {};
    lastScrollPos_ = p;
    std::vector<int> changed;
    for (int g = 0; g < 3; ++g) {
        const bool shouldMove = p > threshold(g);
        if (shouldMove != moved_[static_cast<std::size_t>(g)]) {
            moved_[static_cast<std::size_t>(g)] = shouldMove;
            changed.push_back(g);
        }
    }
    return changed;
}

} // namespace torvane::statement
