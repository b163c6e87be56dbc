#pragma once

// Reading and writing the amounts and numbers of a statement's fields.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace torvane::numbers {

// A whole number as the settings files and number boxes hold it: an optional "-" and
// digits, nothing else, within the 32-bit range. Anything else is no whole number.
std::optional<int32_t> parseWhole(std::string_view text);

// A decimal number as typed or stored: optional sign, digits, optional point and
// fraction ("12", "-0.5", ".5", "3."), blanks around it allowed. Empty (or blank) text is
// 0. Anything else is no number.
std::optional<double> parseDecimal(std::string_view text);

// The whole yen of a value: the nearest whole number, an exact half going to the even
// neighbour (1500.5 -> 1500, 1501.5 -> 1502), saturated to the 32-bit range.
int32_t yen(double value);

// The value rounded to 15 significant digits, as it is stored.
double round15(double value);

// Plain decimal text of a value with at most 15 significant digits: no exponent, no
// grouping, a point and fraction only when there is one ("980", "-500", "1.5").
std::string format(double value);

// Decimal text of a whole number.
std::string format(int64_t value);

} // namespace torvane::numbers
