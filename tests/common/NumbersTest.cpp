#include "common/Numbers.h"

#include <gtest/gtest.h>

using namespace torvane;

TEST(Numbers, YenRoundsHalvesToEven) {
    struct Case {
        double value;
        int32_t yen;
    } cases[] = {{1500.5, 1500},    {1501.5, 1502},    {499.5, 500},   {0.5, 0},
                 {-0.5, 0},         {-1.5, -2},        {10500, 10500}, {2.4999, 2},
                 {1e12, INT32_MAX}, {-1e12, INT32_MIN}};
    for (const auto& c : cases)
        EXPECT_EQ(numbers::yen(c.value), c.yen) << c.value;
}

TEST(Numbers, DecimalTextIsReadOrRefused) {
    struct Case {
        const char* text;
        std::optional<double> value;
    } cases[] = {{"", 0.0},
                 {"  ", 0.0},
                 {"12", 12.0},
                 {"-0.5", -0.5},
                 {".5", 0.5},
                 {"3.", 3.0},
                 {" 1.5 ", 1.5},
                 {"1.2.3", std::nullopt},
                 {"abc", std::nullopt},
                 {"1e5", std::nullopt},
                 {"-", std::nullopt},
                 {"１", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(numbers::parseDecimal(c.text), c.value) << c.text;
}

TEST(Numbers, FormatWritesPlainDecimalWithFifteenDigits) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {{980, "980"},
                 {-500, "-500"},
                 {1.5, "1.5"},
                 {499.5, "499.5"},
                 {0, "0"},
                 {-0.0, "0"},
                 {0.1 + 0.2, "0.3"},
                 {333 * 1.1, "366.3"},
                 {1e20, "100000000000000000000"},
                 {0.000125, "0.000125"},
                 {123456789.123456789, "123456789.123457"}};
    for (const auto& c : cases)
        EXPECT_EQ(numbers::format(c.value), c.text) << c.value;
    EXPECT_EQ(numbers::round15(333 * 1.1), 366.3);
}

TEST(Numbers, WholeNumbersOfSettingsAndSpinBoxes) {
    struct Case {
        const char* text;
        std::optional<int32_t> value;
    } cases[] = {{"7000", 7000},
                 {"-500", -500},
                 {"0", 0},
                 {"", std::nullopt},
                 {"-", std::nullopt},
                 {"abc", std::nullopt},
                 {"12abc", std::nullopt},
                 {" 5", std::nullopt},
                 {"1.5", std::nullopt},
                 {"2147483647", 2147483647},
                 {"-2147483648", INT32_MIN},
                 {"2147483648", std::nullopt},
                 {"99999999999999999999", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(numbers::parseWhole(c.text), c.value) << c.text;
}
