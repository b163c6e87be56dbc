#pragma once

// Shift-JIS (Windows code page 932) text.
//
// Inside the program a text is a CP932 byte string wherever lengths, widths, byte order
// or lead bytes matter. This module is the one place that converts between that form
// and the two other forms the program meets: UTF-8 (the database) and QString (Qt).
//
// Nothing is lost on the way: a byte sequence that is not valid CP932 travels through
// QString as lone surrogates U+DC80..U+DCFF (one per byte) and comes back unchanged, and
// the database keeps such a text as a blob of its raw bytes.

#include <optional>
#include <string>
#include <string_view>

class QString;

namespace torvane::sjis {

// A CP932 byte string. An alias, not a type of its own: the name says which form a
// std::string holds.
using Bytes = std::string;

// The usual CP932 lead bytes (0x81..0x9F, 0xE0..0xFC). Routines that the domain defines
// with another range say so where they walk.
constexpr bool isLeadByte(unsigned char c) noexcept {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// CP932 to UTF-8; empty optional when the bytes are not valid CP932.
std::optional<std::string> toUtf8(std::string_view cp932);

// UTF-8 to CP932. Characters CP932 lacks become "?"; `lossless` (when given) tells
// whether every character was kept. The usual JIS/Unicode variants of the wave dash,
// double bar, minus, dash, cent, pound and not sign map to their CP932 forms.
Bytes fromUtf8(std::string_view utf8, bool* lossless = nullptr);

// CP932 to QString; an invalid byte b becomes the lone surrogate U+DC00 + b.
QString toQString(std::string_view cp932);

// QString to CP932: the reverse of toQString. Characters CP932 lacks become "?".
Bytes fromQString(const QString& text, bool* lossless = nullptr);

// Convenience for literals in the source (which is UTF-8): the CP932 form of a text
// that is known to be representable.
inline Bytes lit(std::string_view utf8) {
    return fromUtf8(utf8);
}

} // namespace torvane::sjis
