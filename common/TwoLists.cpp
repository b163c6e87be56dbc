#include "common/TwoLists.h"

namespace torvane::twolists {

std::pair<int, int> span(const std::vector<bool>& selected) {
    int first = -1;
    int last = -1;
    for (int i = 0; i < static_cast<int>(selected.size()); ++i) {
        if (selected[static_cast<size_t>(i)]) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    return {first, last};
}

void moveAcross(std::vector<std::string>& from, std::vector<std::string>& to,
                const std::vector<bool>& selected) {
    const auto [first, last] = span(selected);
    if (first < 0 || last >= static_cast<int>(from.size()))
        return;
    to.insert(to.end(), from.begin() + first, from.begin() + last + 1);
    from.erase(from.begin() + first, from.begin() + last + 1);
}

int moveUp(std::vector<std::string>& list, const std::vector<bool>& selected) {
    const auto [first, last] = span(selected);
    if (first <= 0 || last >= static_cast<int>(list.size()))
        return -1;
    const std::string above = list[static_cast<size_t>(first - 1)];
    list.erase(list.begin() + first - 1);
    list.insert(list.begin() + last, above);
    return first - 1;
}

int moveDown(std::vector<std::string>& list, const std::vector<bool>& selected) {
    const auto [first, last] = span(selected);
    if (first < 0 || last + 1 >= static_cast<int>(list.size()))
        return -1;
    const std::string below = list[static_cast<size_t>(last + 1)];
    list.erase(list.begin() + last + 1);
    list.insert(list.begin() + first, below);
    return last + 1;
}

std::vector<std::string> toLines(const std::vector<std::string>& left,
                                 const std::vector<std::string>& right) {
    std::vector<std::string> lines = left;
    lines.emplace_back();
    lines.insert(lines.end(), right.begin(), right.end());
    lines.emplace_back();
    return lines;
}

void fromLines(const std::vector<std::string>& lines, std::vector<std::string>& left,
               std::vector<std::string>& right) {
    left.clear();
    right.clear();
    size_t i = 0;
    for (; i < lines.size() && !lines[i].empty(); ++i)
        left.push_back(lines[i]);
    for (++i; i < lines.size() && !lines[i].empty(); ++i)
        right.push_back(lines[i]);
}

} // namespace torvane::twolists
