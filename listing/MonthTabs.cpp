#include "listing/MonthTabs.h"

#include "store/Filter.h"

namespace torvane::listing {
namespace {

using store::quoteLiteral;

sjis::Bytes caption(int year, int month, int day) {
    return era::dateText(year, month, day).substr(0, 16);
}

// A date whose day lies after the settle day belongs to the next month's period.
void intoSettleMonth(era::Date& d, int settleDay) {
    if (settleDay > 0 && d.day > settleDay) {
        if (++d.month > 12) {
            d.month = 1;
            ++d.year;
        }
    }
}

} // namespace

std::vector<MonthTab> buildMonthTabs(std::string_view earliest, std::string_view latest,
                                     int settleDay, const era::Date& today) {
    era::Date first = era::CharToDate(earliest, today);
    era::Date last = era::CharToDate(latest, today);
    intoSettleMonth(first, settleDay);
    intoSettleMonth(last, settleDay);
    const int buildDay = settleDay > 0 ? settleDay : 1;
    std::vector<MonthTab> tabs;
    for (int year = last.year; year >= first.year; --year) {
        const int fromMonth = year == last.year ? last.month : 12;
        const int toMonth = year == first.year ? first.month : 1;
        for (int month = fromMonth; month >= toMonth; --month) {
            MonthTab tab{caption(year, month, buildDay), {}, {}};
            if (settleDay > 0) {
                tab.end = era::dateText(year, month, settleDay);
                const int beforeYear = month == 1 ? year - 1 : year;
                const int beforeMonth = month == 1 ? 12 : month - 1;
                tab.start = era::dateText(beforeYear, beforeMonth, settleDay + 1);
            }
            tabs.push_back(std::move(tab));
        }
    }
    return tabs;
}

sjis::Bytes tabPeriodText(const MonthTab& tab, int settleDay) {
    if (settleDay > 0)
        return sjis::lit("(作成日 >= ") + quoteLiteral(tab.start) +
               sjis::lit(") and  (作成日 <= ") + quoteLiteral(tab.end) + ")";
    return sjis::lit("(作成日 = ") + quoteLiteral(tab.caption + "*") + ")";
}

sjis::Bytes entryTest(std::string_view field, std::string_view value) {
    const sjis::Bytes except = sjis::lit("以外");
    const size_t at = value.find(except);
    if (at != std::string_view::npos)
        return "(" + sjis::Bytes(field) + " <> " +
               quoteLiteral(sjis::Bytes(value.substr(0, at)) + "*") + ")";
    return "(" + sjis::Bytes(field) + " = " + quoteLiteral(sjis::Bytes(value) + "*") + ")";
}

sjis::Bytes personalFilter(std::string_view field, std::string_view value) {
    return "(" + sjis::Bytes(field) + " = " + quoteLiteral(value) + ")";
}

sjis::Bytes periodFilterText(const MonthTab& from, const MonthTab& to, int settleDay) {
    if (settleDay > 0)
        return sjis::lit("(作成日 >= ") + quoteLiteral(from.start) +
               sjis::lit(") and  (作成日 <= ") + quoteLiteral(to.end) + ")";
    return sjis::lit("(作成日 >= ") + quoteLiteral(from.caption) + sjis::lit(") and (作成日 <= ") +
           quoteLiteral(to.caption + sjis::lit("３１日")) + ")";
}

} // namespace torvane::listing
