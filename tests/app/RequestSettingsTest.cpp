#include "app/RequestSettings.h"

#include <gtest/gtest.h>

using namespace torvane;

namespace {
RequestSettings read(const std::string& contents) {
    return RequestSettings::fromLines(settings::parse(contents));
}
} // namespace

TEST(RequestSettings, AbsentFileGivesTheDefaults) {
    const RequestSettings s = RequestSettings::fromLines(std::nullopt);
    EXPECT_FALSE(s.checkInDate);
    EXPECT_FALSE(s.checkMileage);
    EXPECT_EQ(s.settleDay, 0);
    EXPECT_FALSE(s.periodBackup);
    EXPECT_EQ(s.selectField, sjis::lit("氏名"));
    EXPECT_EQ(s.receptionSerial, 1);
}

TEST(RequestSettings, LinesAreReadByTheirRules) {
    const std::string name = sjis::lit("自動車登録番号");
    struct Case {
        std::string contents;
        bool in, mileage;
        int settle;
        bool period;
        std::string field;
        int serial;
    } cases[] = {
        {"True\r\nTrue\r\n20\r\nTrue\r\n" + name + "\r\n1\r\n", true, true, 20, true, name, 1},
        {"true\r\nFalse\r\nabc\r\nyes\r\n\r\n0\r\n", false, false, 0, false, sjis::lit("氏名"), 0},
        {"False\r\nFalse\r\n7\r\nFalse\r\n" + name + "\r\n", false, false, 7, false, name, 0},
        {"", false, false, 0, false, sjis::lit("氏名"), 0},
        {"False\r\nFalse\r\n25", false, false, 25, false, sjis::lit("氏名"), 0},
        {std::string("\x82\xFF\r\n\xFF\r\n5x\r\n", 10), false, false, 5, false, sjis::lit("氏名"),
         0},
        {"False\r\nFalse\r\n0\r\nFalse\r\nx\r\n3\r\n", false, false, 0, false, "x", 3},
    };
    for (const auto& c : cases) {
        const RequestSettings s = read(c.contents);
        EXPECT_EQ(s.checkInDate, c.in) << c.contents;
        EXPECT_EQ(s.checkMileage, c.mileage) << c.contents;
        EXPECT_EQ(s.settleDay, c.settle) << c.contents;
        EXPECT_EQ(s.periodBackup, c.period) << c.contents;
        EXPECT_EQ(s.selectField, c.field) << c.contents;
        EXPECT_EQ(s.receptionSerial, c.serial) << c.contents;
    }
}

TEST(RequestSettings, AlwaysWritesSixLines) {
    RequestSettings s = read("False\r\nTrue\r\n7\r\nFalse\r\nx\r\n");
    EXPECT_EQ(s.toLines(), (std::vector<std::string>{"False", "True", "7", "False", "x", "0"}));
    s.receptionSerial = 12;
    EXPECT_EQ(s.toLines().at(5), "1");
    EXPECT_FALSE(RequestSettings::isMenuSettleDay(7));
    EXPECT_TRUE(RequestSettings::isMenuSettleDay(25));
}
