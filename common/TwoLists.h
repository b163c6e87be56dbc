#pragma once

// The two-list chooser: a left list of entries not chosen and a right list of the chosen
// ones in order. Every move takes the span from the first to the last selected entry
// (the entries between included, selected or not).

#include <string>
#include <vector>

namespace torvane::twolists {

// The span of a selection: first and last selected index, or {-1, -1}.
std::pair<int, int> span(const std::vector<bool>& selected);

// "＞" / "＜": the span moves, in order, to the end of the other list.
void moveAcross(std::vector<std::string>& from, std::vector<std::string>& to,
                const std::vector<bool>& selected);

// The arrows: the span moves one place up (down) unless it is at the top (bottom).
// Returns the index to select afterwards (the span's new first place going up, its new
// last place going down), or -1 when nothing moved.
int moveUp(std::vector<std::string>& list, const std::vector<bool>& selected);
int moveDown(std::vector<std::string>& list, const std::vector<bool>& selected);

// The two lists as a settings file keeps them: the left entries, an empty line, the right
// entries, an empty line.
std::vector<std::string> toLines(const std::vector<std::string>& left,
                                 const std::vector<std::string>& right);
void fromLines(const std::vector<std::string>& lines, std::vector<std::string>& left,
               std::vector<std::string>& right);

} // namespace torvane::twolists
