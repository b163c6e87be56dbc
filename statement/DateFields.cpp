#include "statement/DateFields.h"

#include "store/Table.h"

#include <cstdio>

namespace torvane::statement {

era::Date nextCheckDate(const era::Date& today, const era::Date& expiry) {
    const int d = today.year - expiry.year;
    const bool monthNotLater = expiry.month <= today.month;
    int year = today.year;
    if (d == 0)
        year = today.year + 1;
    else if (d == -1)
        year = monthNotLater ? today.year + 2 : today.year;
    else if (d < -1)
        year = monthNotLater ? today.year + 1 : today.year;
    return {year, expiry.month, expiry.day};
}

std::optional<std::string> fillCheckDate(store::Table& t, const era::Date& today) {
    if (!t.text("点検日").empty())
        return std::nullopt;
    const era::Date now = era::CharToDate(era::format(today), today);
    const era::Date expiry = era::CharToDate(t.text("車検期限"), today);
    const era::Date check = nextCheckDate(now, expiry);
    if (!era::isValid(check))
        return era::invalidDateMessage(check);
    if (!t.editing())
        t.edit();
    t.setText("点検日", era::dateText(check));
    return std::nullopt;
}

std::string receptionNumber(const era::Date& made, int serial) {
    const auto two = [](int v) {
        char b[16];
        std::snprintf(b, sizeof b, "%02d", ((v % 100) + 100) % 100);
        return std::string(b);
    };
    return two(made.year) + two(made.month) + two(made.day) + two(serial);
}

void writeReceptionNumbers(store::Table& t, int& serial, bool commentIsReception,
                           const era::Date& today) {
    const era::Date made = era::CharToDate(t.text("作成日"), today);
    const auto write = [&](const char* field) {
        if (!t.editing())
            t.edit();
        t.setText(field, receptionNumber(made, serial));
        ++serial;
    };
    if (commentIsReception && t.text("コメント").empty())
        write("コメント");
    if (serial > 0 && t.hasField("受付番号") && t.text("受付番号").empty())
        write("受付番号");
}

} // namespace torvane::statement
