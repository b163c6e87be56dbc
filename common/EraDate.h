#pragma once

// Dates as the workshop writes them: the Japanese era form, e.g. 「平成１２年０３月０４日」.

#include "common/Sjis.h"

#include <optional>
#include <string>

namespace torvane::era {

struct Date {
    int year = 0; // western year
    int month = 1;
    int day = 1;
    bool operator==(const Date&) const = default;
};

// Today's date on this machine.
Date today();

bool isLeapYear(int year);
int daysInMonth(int year, int month);

// The eras the program knows, oldest first: 明治, 大正, 昭和, 平成, 令和.
struct Era {
    const char* name; // UTF-8
    int offset;       // western year = era year + offset
};
inline constexpr Era Eras[] = {
    {"明治", 1867}, {"大正", 1911}, {"昭和", 1925}, {"平成", 1988}, {"令和", 2018}};
inline constexpr int EraCount = 5;

// The era of a date: 令和 from 1 May 2019; before that by the western year alone (a date
// anywhere in 1989 is 平成, anywhere in 1926 昭和).
int eraOf(const Date& date);

// The era date text with half-width digits, pattern gggee"年"mm"月"dd"日": era name,
// era year in at least two digits, month and day in two.
sjis::Bytes format(int year, int month, int day);
inline sjis::Bytes format(const Date& d) {
    return format(d.year, d.month, d.day);
}

// Widens every half-width digit to its full-width form (０..９).
sjis::Bytes changeChar(std::string_view text);

// format() then changeChar(): the stored form.
inline sjis::Bytes dateText(int year, int month, int day) {
    return changeChar(format(year, month, day));
}
inline sjis::Bytes dateText(const Date& d) {
    return dateText(d.year, d.month, d.day);
}

// Reads any date text, era date texts and loosely typed ones alike, and never fails:
// an era name at the start gives the era (as written), then the numbers in the text are
// the year, the month and the day, each ended by any other character; parts that are
// missing (or 0) come from `today`. The month is kept within 1..12 and the day within
// the month; the year is not limited.
Date CharToDate(std::string_view text, const Date& today);
inline Date CharToDate(std::string_view text) {
    return CharToDate(text, era::today());
}

// Whether a date exists.
bool isValid(const Date& d);

// The message for a date that does not exist, as the program has always said it:
// "'2001/2/29' は日付または時刻ではありません".
std::string invalidDateMessage(const Date& d);

} // namespace torvane::era
