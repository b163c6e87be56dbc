#include "common/Numbers.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace torvane::numbers {

std::optional<double> parseDecimal(std::string_view text) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    if (b == e)
        return 0.0;
    const std::string_view t = text.substr(b, e - b);
    size_t i = 0;
    if (t[i] == '+' || t[i] == '-')
        ++i;
    size_t digits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9')
        ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i, ++digits;
    }
    if (i != t.size() || digits == 0)
        return std::nullopt;
    const std::string copy(t);
    return std::strtod(copy.c_str(), nullptr);
}

std::optional<int32_t> parseWhole(std::string_view text) {
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        i = 1;
    if (i == text.size())
        return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

int32_t yen(double value) {
    if (std::isnan(value))
        return 0;
    // nearbyint rounds halves to even in the default rounding mode.
    const double r = std::nearbyint(value);
    if (r >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (r <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

double round15(double value) {
    if (value == 0 || !std::isfinite(value))
        return value == 0 ? 0.0 : value;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    return std::strtod(buffer, nullptr);
}

std::string format(double value) {
    if (!std::isfinite(value))
        return "0";
    if (value == 0)
        return "0";
    // 15 significant digits as d.dddddddddddddde±x, then written out plainly.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    std::string s(buffer);
    const bool negative = s[0] == '-';
    if (negative)
        s.erase(0, 1);
    const size_t ePos = s.find('e');
    const int exponent = std::atoi(s.c_str() + ePos + 1);
    std::string digits = s.substr(0, 1) + s.substr(2, ePos - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string out;
    const int pointAt = exponent + 1; // digits before the decimal point
    if (pointAt <= 0) {
        out = "0." + std::string(static_cast<size_t>(-pointAt), '0') + digits;
    } else if (static_cast<size_t>(pointAt) >= digits.size()) {
        out = digits + std::string(static_cast<size_t>(pointAt) - digits.size(), '0');
    } else {
        out = digits.substr(0, static_cast<size_t>(pointAt)) + "." +
              digits.substr(static_cast<size_t>(pointAt));
    }
    return negative ? "-" + out : out;
}

std::string format(int64_t value) {
    return std::to_string(value);
}

} // namespace torvane::numbers
