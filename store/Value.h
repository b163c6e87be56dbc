#pragma once

#include "common/Sjis.h"

#include <cstdint>
#include <variant>

namespace torvane::store {

// One field's value in the program: nothing, a whole number, a number, or CP932 text.
class Value {
public:
    Value() = default;
    explicit Value(int64_t v)
        : v_(v) {}
    explicit Value(double v)
        : v_(v) {}
    explicit Value(sjis::Bytes v)
        : v_(std::move(v)) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(v_); }
    bool isInteger() const { return std::holds_alternative<int64_t>(v_); }
    bool isReal() const { return std::holds_alternative<double>(v_); }
    bool isText() const { return std::holds_alternative<sjis::Bytes>(v_); }

    int64_t integer() const { return std::get<int64_t>(v_); }
    double real() const { return std::get<double>(v_); }
    const sjis::Bytes& text() const { return std::get<sjis::Bytes>(v_); }

    // The text form of the value, as a backup column writes it: text unchanged, whole
    // numbers in decimal, numbers plainly with at most 15 significant digits, nothing as
    // the empty text.
    sjis::Bytes textForm() const;
    // The value as a decimal number: text is read as a decimal number (0 when it is
    // none), nothing is 0.
    double number() const;

    bool operator==(const Value& other) const = default;

private:
    std::variant<std::monostate, int64_t, double, sjis::Bytes> v_;
};

} // namespace torvane::store
