#pragma once

// Readings of names: the input method gives the reading of what was typed; the statement
// keeps it in hiragana.

#include "common/Sjis.h"

namespace torvane::input {

// Half-width katakana (CP932, one byte a kana, voicing marks ﾞ ﾟ on their own) to
// hiragana; the long-vowel mark ｰ and "-" become the vowel of the kana before them.
// Every other character is copied unchanged.
sjis::Bytes KanaToHiragana(std::string_view reading);

// Hiragana and full-width katakana (what input methods on Linux show while a word is
// being typed) to the half-width katakana KanaToHiragana reads; other characters are
// kept. Input and output are CP932.
sjis::Bytes toHalfWidthKatakana(std::string_view cp932);

} // namespace torvane::input
