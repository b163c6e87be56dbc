#include "input/Kana.h"

#include <gtest/gtest.h>

using namespace torvane;

TEST(Kana, HalfWidthReadingsBecomeHiragana) {
    struct Case {
        const char* reading;
        const char* hiragana;
    } cases[] = {
        {"ﾔﾏﾀﾞ ﾀﾛｳ", "やまだ たろう"},
        {"ｺｰﾋｰ", "こおひい"},
        {"ﾝｰ", "んー"},
        {"ｰｱ", "ーあ"},
        {"ｳﾞｨ", "う゛ぃ"},
        {"ﾅﾞ", "なﾞ"}, // no voiced form: the mark is copied
        {"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ", "ぱぴぷぺぽ"},
        {"ｶﾞｷﾞｸﾞｹﾞｺﾞ", "がぎぐげご"},
        {"ｷｬｯﾁｰ", "きゃっちい"},
        {"ｦﾝ", "をん"},
        {"ﾃﾞｨｰﾗｰ", "でぃいらあ"},
        {"ﾀﾅｶ-", "たなかあ"}, // a hyphen lengthens like ｰ
        {"山田ｰ", "山田ー"},  // copied characters keep no vowel
        {"ｶ山ｰ", "か山あ"},   // … and leave the last one as it was
        {"ﾞｱ", "ﾞあ"},
        {"ABC 123", "ABC 123"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(input::KanaToHiragana(sjis::lit(c.reading)), sjis::lit(c.hiragana)) << c.reading;
}

TEST(Kana, InputMethodKanaBecomesHalfWidthReadings) {
    struct Case {
        const char* preedit;
        const char* reading;
    } cases[] = {{"やまだ", "ﾔﾏﾀﾞ"}, {"ヤマダ", "ﾔﾏﾀﾞ"}, {"ぱーてぃー", "ﾊﾟｰﾃｨｰ"},
                 {"ヴぁ", "ｳﾞｧ"},    {"山田", "山田"},   {"きゃっと　a", "ｷｬｯﾄ a"}};
    for (const auto& c : cases) {
        const sjis::Bytes half = input::toHalfWidthKatakana(sjis::lit(c.preedit));
        EXPECT_EQ(half, sjis::lit(c.reading)) << c.preedit;
    }
    // The two together give hiragana back.
    EXPECT_EQ(input::KanaToHiragana(input::toHalfWidthKatakana(sjis::lit("カトウ"))),
              sjis::lit("かとう"));
}
