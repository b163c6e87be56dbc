#include "common/EraDate.h"

#include <cstdio>

namespace torvane::era {
namespace {

struct Era {
    const char* name; // UTF-8
    int offset;       // western year = era year + offset
};

Era eraOf(int year, int month, int day) {
    if (year > 2019 || (year == 2019 && (month > 5 || (month == 5 && day >= 1))))
        return {"令和", 2018};
    if (year >= 1989)
        return {"平成", 1988};
    if (year >= 1926)
        return {"昭和", 1925};
    if (year >= 1912)
        return {"大正", 1911};
    return {"明治", 1867};
}

} // namespace

sjis::Bytes format(int year, int month, int day) {
    const Era e = eraOf(year, month, day);
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%02d", year - e.offset);
    char m[8];
    char d[8];
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

} // namespace torvane::era
