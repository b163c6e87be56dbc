#include "common/Sjis.h"

#include <QString>
#include <gtest/gtest.h>

using namespace torvane;

TEST(Sjis, RoundTripsJapaneseThroughUtf8AndQString) {
    const std::string utf8 = "平成１２年０３月０４日 ｱｲｳ ①～";
    const sjis::Bytes cp932 = sjis::fromUtf8(utf8);
    // ① is 0x8740 and ～ is 0x8160 in CP932.
    EXPECT_NE(cp932.find("\x87\x40"), std::string::npos);
    EXPECT_NE(cp932.find("\x81\x60"), std::string::npos);
    EXPECT_EQ(sjis::toUtf8(cp932), utf8);
    EXPECT_EQ(sjis::fromQString(sjis::toQString(cp932)), cp932);
    EXPECT_EQ(sjis::toQString(cp932), QString::fromUtf8(utf8.c_str()));
}

TEST(Sjis, BackslashStaysBackslash) {
    EXPECT_EQ(sjis::toUtf8("C:\\data"), "C:\\data");
    EXPECT_EQ(sjis::fromUtf8("C:\\data"), "C:\\data");
}

TEST(Sjis, VariantsOfOtherEncodingsMapToCp932) {
    struct Case {
        const char* utf8;
        const char* cp932;
    } cases[] = {
        {"\u301C", "\x81\x60"}, // wave dash
        {"\u2212", "\x81\x7C"}, // minus sign
        {"\u2016", "\x81\x61"}, // double vertical line
        {"\u2014", "\x81\x5C"}, // em dash
    };
    for (const auto& c : cases) {
        bool lossless = false;
        EXPECT_EQ(sjis::fromUtf8(c.utf8, &lossless), c.cp932) << c.utf8;
        EXPECT_TRUE(lossless) << c.utf8;
    }
}

TEST(Sjis, CharactersCp932LacksBecomeQuestionMarks) {
    bool lossless = true;
    EXPECT_EQ(sjis::fromUtf8("a\U0001F600b", &lossless), "a?b");
    EXPECT_FALSE(lossless);
}

TEST(Sjis, InvalidBytesSurviveTheWayThroughQString) {
    // A lone lead byte, an invalid trail byte and a byte that is no character.
    const sjis::Bytes broken = std::string("ab\x82", 3) + "\xA0\xFD" + sjis::lit("漢") + "\x81";
    EXPECT_FALSE(sjis::toUtf8(broken).has_value());
    const QString shown = sjis::toQString(broken);
    EXPECT_TRUE(shown.startsWith("ab"));
    EXPECT_TRUE(shown.contains(QString::fromUtf8("漢")));
    bool lossless = false;
    EXPECT_EQ(sjis::fromQString(shown, &lossless), broken);
    EXPECT_TRUE(lossless);
}
