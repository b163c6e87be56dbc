#pragma once

// Dates as the workshop writes them: the Japanese era form, e.g. 「平成１２年０３月０４日」.

#include "common/Sjis.h"

namespace torvane::era {

// The era date text with half-width digits, pattern gggee"年"mm"月"dd"日": era name,
// era year in at least two digits, month and day in two. 令和 from 1 May 2019; before
// that the era follows the western year alone (平成 for all of 1989).
sjis::Bytes format(int year, int month, int day);

// Widens every half-width digit to its full-width form (０..９).
sjis::Bytes changeChar(std::string_view text);

// format() then changeChar(): the stored form.
inline sjis::Bytes dateText(int year, int month, int day) {
    return changeChar(format(year, month, day));
}

} // namespace torvane::era
