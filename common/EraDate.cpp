#include "common/EraDate.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace torvane::era {

Date today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    switch (month) {
    case 2:
        return isLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

int eraOf(const Date& d) {
    if (d.year > 2019 || (d.year == 2019 && d.month >= 5))
        return 4;
    if (d.year >= 1989)
        return 3;
    if (d.year >= 1926)
        return 2;
    if (d.year >= 1912)
        return 1;
    return 0;
}

sjis::Bytes format(int year, int month, int day) {
    const Era& e = Eras[eraOf({year, month, day})];
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%02d", year - e.offset);
    char m[16];
    char d[16];
    std::snprintf(m, sizeof m, "%02d", month);
    std::snprintf(d, sizeof d, "%02d", day);
    return sjis::lit(e.name) + numbers + sjis::lit("年") + m + sjis::lit("月") + d +
           sjis::lit("日");
}

sjis::Bytes changeChar(std::string_view text) {
    sjis::Bytes out;
    out.reserve(text.size() * 2);
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (sjis::isLeadByte(c) && i + 1 < text.size()) {
            out += text[i];
            out += text[++i];
        } else if (c >= '0' && c <= '9') {
            out += '\x82';
            out += static_cast<char>(0x4F + (c - '0'));
        } else {
            out += text[i];
        }
    }
    return out;
}

Date CharToDate(std::string_view text, const Date& now) {
    Date d = now;
    int pendingOffset = 0;
    bool offsetPending = false;
    for (const Era& e : Eras) {
        const sjis::Bytes name = sjis::lit(e.name);
        if (text.starts_with(name)) {
            pendingOffset = e.offset;
            offsetPending = true;
            text.remove_prefix(name.size());
            break;
        }
    }
    // Walks characters: a lead byte (0x80..0x9F, 0xE0..0xFF) and the byte after it are one.
    long long n = 0;
    int part = 0; // 0 year, 1 month, 2 day
    const auto endNumber = [&] {
        if (part < 3 && (n != 0 || offsetPending)) {
            const long long value = n + pendingOffset;
            const int v = static_cast<int>(std::clamp<long long>(value, -2147483647, 2147483647));
            (part == 0 ? d.year : part == 1 ? d.month : d.day) = v;
        }
        ++part;
        n = 0;
        pendingOffset = 0;
        offsetPending = false;
    };
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        int digit = -1;
        size_t width = 1;
        if ((c >= 0x80 && c <= 0x9F) || c >= 0xE0) {
            width = i + 1 < text.size() ? 2 : 1;
            const auto t = width == 2 ? static_cast<unsigned char>(text[i + 1]) : 0;
            if (c == 0x82 && t >= 0x4F && t <= 0x58)
                digit = t - 0x4F;
        } else if (c >= '0' && c <= '9') {
            digit = c - '0';
        }
        if (digit >= 0) {
            if (n < 100000000000LL)
                n = n * 10 + digit;
        } else {
            endNumber();
        }
        i += width;
    }
    endNumber();
    d.month = std::clamp(d.month, 1, 12);
    d.day = std::clamp(d.day, 1, daysInMonth(d.year, d.month));
    return d;
}

bool isValid(const Date& d) {
    return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= daysInMonth(d.year, d.month);
}

std::string invalidDateMessage(const Date& d) {
    return "'" + std::to_string(d.year) + "/" + std::to_string(d.month) + "/" +
           std::to_string(d.day) + "' は日付または時刻ではありません";
}

} // namespace torvane::era
