#include "store/Filter.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

using namespace torvane;
using namespace torvane::store;

TEST(Filter, ParsesTheFormsTheListBuilds) {
    const auto terms = parseFilter(sjis::lit(
        "(作成日 >= '平成１４年１１月２１日') and  (作成日 <= '平成１４年１２月２０日') and "
        "(種別 <> '軽自動車*') and (氏名 = 'O''Brien')"));
    ASSERT_EQ(terms.size(), 4u);
    EXPECT_EQ(terms[0].field, "作成日");
    EXPECT_EQ(terms[0].op, FilterTerm::Op::GreaterOrEqual);
    EXPECT_EQ(terms[0].literal, sjis::lit("平成１４年１１月２１日"));
    EXPECT_EQ(terms[1].op, FilterTerm::Op::LessOrEqual);
    EXPECT_EQ(terms[2].op, FilterTerm::Op::NotEqual);
    EXPECT_TRUE(terms[2].prefix);
    EXPECT_EQ(terms[2].literal, sjis::lit("軽自動車"));
    EXPECT_EQ(terms[3].literal, "O'Brien");
    EXPECT_FALSE(terms[3].prefix);
    EXPECT_TRUE(parseFilter("").empty());
    EXPECT_TRUE(parseFilter("   ").empty());
}

TEST(Filter, KeepsDoubleByteCharactersWholeInLiterals) {
    // ソ is 0x83 0x5C and 表 is 0x95 0x5C: trail bytes that look like a backslash; a
    // trail byte 0x27 cannot occur, but the lead byte walk must still keep pairs whole.
    const auto terms = parseFilter(sjis::lit("(氏名 = 'ソ表*')"));
    ASSERT_EQ(terms.size(), 1u);
    EXPECT_EQ(terms[0].literal, sjis::lit("ソ表"));
    EXPECT_TRUE(terms[0].prefix);
}

TEST(Filter, RefusesTextsThatAreNoExpression) {
    for (const char* bad : {"氏名 = 'x'", "(氏名 'x')", "(氏名 = 'x'", "(氏名 = x)", "( = 'x')",
                            "(氏名 = 'x') or (氏名 = 'y')", "(氏名 = 'x') and"})
        EXPECT_THROW(parseFilter(sjis::lit(bad)), StoreError) << bad;
}

TEST(Filter, TermsCompareBytesOfTheShiftJisText) {
    const auto term = [](const char* text) { return parseFilter(sjis::lit(text)).at(0); };
    struct Case {
        const char* filter;
        const char* field;
        bool match;
    } cases[] = {
        {"(作成日 = '平成２０年０５月*')", "平成２０年０５月０１日", true},
        {"(作成日 = '平成２０年０５月*')", "平成２０年０６月０１日", false},
        {"(作成日 = '平成２０年０５月')", "平成２０年０５月０１日", false},
        {"(種別 <> '軽自動車*')", "軽自動車", false},
        {"(種別 <> '軽自動車*')", "普通自動車", true},
        {"(種別 <> '軽自動車*')", "", true},
        {"(氏名 = '')", "", true},
        {"(作成日 >= '平成１４年０１月')", "平成１４年０１月０１日", true},
        {"(作成日 <= '平成１４年１２月３１日')", "平成１４年１２月３１日", true},
        {"(作成日 <= '平成１４年１２月３１日')", "平成１５年０１月０１日", false},
        {"(作成日 >= '平成１４年０１月')", "平成１３年１２月３１日", false},
        // Byte order of Shift-JIS, not of Unicode: 令 (0x97DF) sorts after 平 (0x95BD).
        {"(作成日 >= '平成３１年０４月')", "令和０１年０５月０１日", true},
        {"(氏名 = 'yamada')", "Yamada", false},
        {"(請求額 = '0')", "0", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(term(c.filter).matches(sjis::lit(c.field)), c.match)
            << c.filter << " on " << c.field;
}

TEST(Filter, QuoteDoublesSingleQuotes) {
    EXPECT_EQ(quoteLiteral("it's"), "'it''s'");
    EXPECT_EQ(parseFilter("(a = " + quoteLiteral("it's*") + ")").at(0).literal, "it's");
}
