#include "input/Kana.h"

#include <array>
#include <map>
#include <string>

namespace torvane::input {
namespace {

enum Vowel { None = -1, A, I, U, E, O };

struct KanaInfo {
    const char* plain = nullptr;  // UTF-8 hiragana
    const char* voiced = nullptr; // with ﾞ
    const char* semi = nullptr;   // with ﾟ
    Vowel vowel = None;
};

// Half-width katakana 0xA6..0xDD.
const std::array<KanaInfo, 256>& table() {
    static const std::array<KanaInfo, 256> t = [] {
        std::array<KanaInfo, 256> k{};
        const auto set = [&](int byte, const char* plain, Vowel v, const char* voiced = nullptr,
                             const char* semi = nullptr) {
            k[byte] = {plain, voiced, semi, v};
        };
        set(0xA6, "を", O);
        const char* small[] = {"ぁ", "ぃ", "ぅ", "ぇ", "ぉ"};
        for (int i = 0; i < 5; ++i)
            set(0xA7 + i, small[i], Vowel(i));
        set(0xAC, "ゃ", A);
        set(0xAD, "ゅ", U);
        set(0xAE, "ょ", O);
        set(0xAF, "っ", U);
        struct Row {
            int first;
            const char* plain[5];
            const char* voiced[5];
            const char* semi[5];
        } rows[] = {
            {0xB1,
             {"あ", "い", "う", "え", "お"},
             {nullptr, nullptr, nullptr, nullptr, nullptr},
             {}},
            {0xB6, {"か", "き", "く", "け", "こ"}, {"が", "ぎ", "ぐ", "げ", "ご"}, {}},
            {0xBB, {"さ", "し", "す", "せ", "そ"}, {"ざ", "じ", "ず", "ぜ", "ぞ"}, {}},
            {0xC0, {"た", "ち", "つ", "て", "と"}, {"だ", "ぢ", "づ", "で", "ど"}, {}},
            {0xC5, {"な", "に", "ぬ", "ね", "の"}, {}, {}},
            {0xCA,
             {"は", "ひ", "ふ", "へ", "ほ"},
             {"ば", "び", "ぶ", "べ", "ぼ"},
             {"ぱ", "ぴ", "ぷ", "ぺ", "ぽ"}},
            {0xCF, {"ま", "み", "む", "め", "も"}, {}, {}},
            {0xD7, {"ら", "り", "る", "れ", "ろ"}, {}, {}},
        };
        for (const Row& r : rows)
            for (int i = 0; i < 5; ++i)
                set(r.first + i, r.plain[i], Vowel(i), r.voiced[i], r.semi[i]);
        k[0xB3].voiced = "う゛"; // ｳﾞ: two characters
        set(0xD4, "や", A);
        set(0xD5, "ゆ", U);
        set(0xD6, "よ", O);
        set(0xDC, "わ", A);
        set(0xDD, "ん", None);
        return k;
    }();
    return t;
}

constexpr unsigned char Dakuten = 0xDE;
constexpr unsigned char Handakuten = 0xDF;
constexpr unsigned char LongMark = 0xB0;

} // namespace

sjis::Bytes KanaToHiragana(std::string_view text) {
    static const char* const vowels[] = {"あ", "い", "う", "え", "お"};
    const auto& k = table();
    std::string utf8Piece;
    sjis::Bytes out;
    Vowel v = None;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const KanaInfo& info = k[c];
        if (info.plain) {
            const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
            const char* unit = info.plain;
            if (next == Dakuten && info.voiced) {
                unit = info.voiced;
                ++i;
            } else if (next == Handakuten && info.semi) {
                unit = info.semi;
                ++i;
            }
            out += sjis::lit(unit);
            v = info.vowel;
        } else if (c == LongMark || c == '-') {
            out += sjis::lit(v == None ? "ー" : vowels[v]);
        } else if (((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) && i + 1 < text.size()) {
            out += text[i];
            out += text[++i];
        } else {
            out += text[i];
        }
    }
    return out;
}

sjis::Bytes toHalfWidthKatakana(std::string_view cp932) {
    // Full-width katakana and hiragana to their half-width spelling, built once from the
    // half-width table above.
    static const std::map<std::string, sjis::Bytes> map = [] {
        std::map<std::string, sjis::Bytes> m;
        const auto& k = table();
        const auto add = [&](const char* hiragana, sjis::Bytes half) {
            const sjis::Bytes h = sjis::lit(hiragana);
            m.emplace(h, half);
            // The katakana of a hiragana is 0x60 code points on: in CP932 the two blocks
            // are laid out differently, so go through UTF-8.
            std::string utf8(hiragana);
            char32_t cp = ((utf8[0] & 0x0F) << 12) | ((utf8[1] & 0x3F) << 6) | (utf8[2] & 0x3F);
            cp += 0x60;
            std::string kata;
            kata += static_cast<char>(0xE0 | (cp >> 12));
            kata += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            kata += static_cast<char>(0x80 | (cp & 0x3F));
            m.emplace(sjis::lit(kata), half);
        };
        for (int b = 0xA6; b <= 0xDD; ++b) {
            const KanaInfo& info = k[b];
            if (!info.plain)
                continue;
            add(info.plain, sjis::Bytes(1, static_cast<char>(b)));
            if (info.voiced && b != 0xB3)
                add(info.voiced, sjis::Bytes(1, static_cast<char>(b)) + char(Dakuten));
            if (info.semi)
                add(info.semi, sjis::Bytes(1, static_cast<char>(b)) + char(Handakuten));
        }
        m.emplace(sjis::lit("ヴ"), sjis::Bytes("\xB3\xDE"));
        m.emplace(sjis::lit("ー"), sjis::Bytes("\xB0"));
        m.emplace(sjis::lit("　"), sjis::Bytes(" "));
        return m;
    }();
    sjis::Bytes out;
    for (size_t i = 0; i < cp932.size(); ++i) {
        const auto c = static_cast<unsigned char>(cp932[i]);
        if (sjis::isLeadByte(c) && i + 1 < cp932.size()) {
            const std::string pair = std::string(cp932.substr(i, 2));
            auto it = map.find(pair);
            out += it != map.end() ? it->second : pair;
            ++i;
        } else {
            out += cp932[i];
        }
    }
    return out;
}

} // namespace torvane::input
