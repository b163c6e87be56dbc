#pragma once

// Searching CP932 text by whole characters: a match starts on a character, never on the
// trail byte of a double-byte character (「ア」 is 0x83 0x41, and 0x41 is also "A").

#include "common/Sjis.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace torvane::input::cp932 {

// Bytes of the character at `at`: two for a lead byte with a byte after it, else one.
inline size_t charLength(std::string_view text, size_t at) {
    return sjis::isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

// Position of the first occurrence of `needle` that starts and ends on character
// boundaries, at or after `from` (itself a boundary); npos when there is none. An empty needle is
// found at `from`.
inline size_t find(std::string_view text, std::string_view needle, size_t from = 0) {
    if (needle.empty())
        return from <= text.size() ? from : std::string_view::npos;
    for (size_t i = from; i + needle.size() <= text.size(); i += charLength(text, i)) {
        if (text[i] != needle[0] || std::memcmp(text.data() + i, needle.data(), needle.size()) != 0)
            continue;
        // The match must end on a character boundary too: a needle ending in a lone lead
        // byte is no match for the first half of a character.
        size_t end = i;
        while (end < i + needle.size())
            end += charLength(text, end);
        if (end == i + needle.size())
            return i;
    }
    return std::string_view::npos;
}

inline bool contains(std::string_view text, std::string_view needle) {
    return find(text, needle) != std::string_view::npos;
}

// The number the text starts with: its leading digits, full-width digits (０..９) read as
// half-width ones; 0 when it starts with none. Saturates instead of overflowing.
inline int64_t leadingNumber(std::string_view text) {
    int64_t n = 0;
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
            i += 1;
        } else if (c == 0x82 && i + 1 < text.size()) {
            const auto t = static_cast<unsigned char>(text[i + 1]);
            if (t >= 0x4F && t <= 0x58)
                digit = t - 0x4F;
            i += 2;
        }
        if (digit < 0)
            break;
        if (n < INT64_C(100000000000000))
            n = n * 10 + digit;
    }
    return n;
}

} // namespace torvane::input::cp932
