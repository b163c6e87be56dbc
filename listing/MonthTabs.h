#pragma once

// The statement list's month tabs and the filter texts the tabs, the filter entries, the
// customer tab and the period choice put on it. A month runs from the day after the
// settlement day of the month before to the settlement day (SettleDay 5..25), or over the
// calendar month (SettleDay 0).

#include "common/EraDate.h"
#include "common/Sjis.h"

#include <string>
#include <vector>

namespace torvane::listing {

struct MonthTab {
    sjis::Bytes caption; // 「平成１４年１２月」: the era date text cut after its 16th byte
    sjis::Bytes start;   // with a settle day: the first day of the period, else empty
    sjis::Bytes end;     // with a settle day: the last day of the period, else empty
};

// The month tabs, newest first, from the 作成日 of the earliest and the latest statement
// (as stored; read with CharToDate, so empty texts count as today).
std::vector<MonthTab> buildMonthTabs(std::string_view earliest, std::string_view latest,
                                     int settleDay, const era::Date& today);

// The filter text of a month tab.
sjis::Bytes tabPeriodText(const MonthTab& tab, int settleDay);

// The test of a filter entry: the field begins with the value, or, for a value containing
// 以外, does not begin with the part before it. `field` is the CP932 field name.
sjis::Bytes entryTest(std::string_view field, std::string_view value);

// The customer tab: the field equals the current statement's value.
sjis::Bytes personalFilter(std::string_view field, std::string_view value);

// The period from tab `from` to tab `to` (both month tabs, from not later than to).
sjis::Bytes periodFilterText(const MonthTab& from, const MonthTab& to, int settleDay);

} // namespace torvane::listing
