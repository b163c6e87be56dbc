#include "statement/Calculation.h"
#include "statement/Discounts.h"
#include "store/Database.h"
#include "store/Table.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace torvane;
using namespace torvane::statement;

namespace {

class CalculationTest : public ::testing::Test {
protected:
    TempDir dir;
    std::unique_ptr<store::Database> db = store::Database::open(dir / "z.sqlite3");
    store::Table t{*db, "Request"};
    LiveSettings live{7000, 5, sjis::lit("消費税無"), 0};

    void SetUp() override { t.append(); }
    void set(const std::string& field, const char* text) { t.setText(field, sjis::lit(text)); }
    std::string text(const std::string& field) { return *sjis::toUtf8(t.text(field)); }
    int64_t yen(const std::string& field) { return t.integer(field); }
};

// Scripted answers to the discount dialogs.
struct Answers : DiscountDialogs {
    ServiceAnswer service;
    sjis::Bytes percent;
    int asked = 0;
    std::array<sjis::Bytes, 4> shown;
    std::string told;
    ServiceAnswer askService(const std::array<sjis::Bytes, 4>& choices) override {
        ++asked;
        shown = choices;
        return service;
    }
    sjis::Bytes askSpecialPercent() override {
        ++asked;
        return percent;
    }
    void tell(const std::string& message) override { told = message; }
};

} // namespace

TEST_F(CalculationTest, LabourFollowsHoursAndSurvivesClearedHours) {
    set("時間1", "1.5");
    DataCalc(t, 1, live);
    EXPECT_EQ(text("作業工賃1"), "10500");
    set("時間1", "");
    DataCalc(t, 1, live);
    EXPECT_EQ(text("作業工賃1"), "10500");
    EXPECT_EQ(yen("作業工賃合計"), 10500);
    EXPECT_EQ(yen("消費税"), 525);
    EXPECT_EQ(yen("請求額"), 11025);
}

TEST_F(CalculationTest, PartsAmountsAndTheirTotalRoundHalvesToEven) {
    struct Case {
        const char* price;
        const char* quantity;
        const char* amount;
    } cases[] = {
        {"1200", "", "0"}, {"333", "1.5", "499.5"}, {"1", "0.5", "0.5"}, {"333", "1.1", "366.3"}};
    for (int i = 0; i < 4; ++i) {
        set("単価" + std::to_string(i + 1), cases[i].price);
        set("数量" + std::to_string(i + 1), cases[i].quantity);
        PartCalc(t, i + 1, live);
        EXPECT_EQ(text("部品代" + std::to_string(i + 1)), cases[i].amount) << i;
    }
    // 0 + 500 (499.5 to even) + 0 (0.5 to even) + 366
    EXPECT_EQ(yen("部品代合計"), 866);
}

TEST_F(CalculationTest, TaxRoundsHalfUpAndTruncatesNegativeBasesTowardZero) {
    struct Case {
        int32_t percent, base, tax;
    } cases[] = {{5, 1010, 51},   {5, 1009, 50}, {5, 0, 0},  {5, -1020, -50},
                 {5, -1010, -50}, {10, 99, 10},  {8, -1, 0}, {-5, 1000, -49}};
    for (const auto& c : cases)
        EXPECT_EQ(consumptionTax(c.percent, c.base), c.tax) << c.percent << " " << c.base;
}

TEST_F(CalculationTest, TaxExemptMarkerKeepsLinesOutOfTheTaxBaseOnly) {
    set("作業内容1", "オイル消費税無");
    set("単価1", "1000");
    set("数量1", "1");
    set("作業内容2", "工賃");
    set("時間2", "1");
    PartCalc(t, 1, live);
    DataCalc(t, 2, live);
    EXPECT_EQ(yen("部品代合計"), 1000);
    EXPECT_EQ(yen("作業工賃合計"), 7000);
    EXPECT_EQ(yen("消費税"), 350);
    EXPECT_EQ(yen("請求額"), 8350);
    // An empty marker marks nothing.
    live.taxExemptMarker.clear();
    DataCalc(t, 0, live);
    EXPECT_EQ(yen("消費税"), 400);
}

TEST_F(CalculationTest, ReservedSlotsCountInTheInspectionTotalNotInTheItems) {
    live.expenseSlotCount = 2;
    set("部品代35", "3000");
    set("作業工賃35", "400");
    set("単価34", "500");
    set("作業工賃34", "20");
    set("時間1", "1");
    DataCalc(t, 1, live);
    PartCalc(t, 0, live);
    EXPECT_EQ(yen("作業工賃合計"), 7000);
    EXPECT_EQ(yen("部品代合計"), 0);
    set("自賠責", "20000");
    set("重量税", "10000");
    set("印紙代", "1000");
    set("諸費用", "0");
    set("お預り", "5000");
    InspectionStep(t, live);
    EXPECT_EQ(yen("車検合計"), 31000 + 3000 + 400 + 500 + 20);
    EXPECT_EQ(yen("調整額"), 34920 - 5000);
    EXPECT_EQ(yen("請求額"), 7000 + 0 + 350 + 29920);
    // The deposit step keeps 車検合計; the adjustment step keeps the tax.
    set("お預り", "0");
    set("車検合計", "1");
    DepositStep(t);
    EXPECT_EQ(yen("調整額"), 1);
    set("調整額", "-350");
    AdjustmentStep(t);
    EXPECT_EQ(yen("消費税"), 350);
    EXPECT_EQ(yen("請求額"), 7000);
}

TEST_F(CalculationTest, SumsWrapAt32Bits) {
    EXPECT_EQ(add32(2147483647, 1), -2147483648);
    EXPECT_EQ(mul32(65536, 65536), 0);
    set("作業工賃1", "2147483647");
    set("作業工賃2", "1");
    DataCalc(t, 0, live);
    EXPECT_EQ(yen("作業工賃合計"), -2147483648LL);
}

TEST_F(CalculationTest, OrdinaryDiscountRoundsTheAmountBilledDown) {
    struct Case {
        const char* name;
        int labour, parts;
        int choice;
        const char* typed;
        int line, billed;
    } cases[] = {
        // choice 10円 writes -9, billed 1001, corrected to -10 and 1000
        {"ten yen with correction", 962, 0, 1, "", -10, 1000},
        {"456 yen, no correction", 100000, 17577, 2, "", -434, 123000},
        {"wanted amount typed", 100000, 17577, -1, "120000", -3291, 120000},
        {"nothing chosen", 100000, 17577, -1, "", 0, 123456},
    };
    for (const auto& c : cases) {
        t.cancel();
        t.append();
        set("作業内容1", "整備");
        t.setNumber("作業工賃1", c.labour);
        t.setNumber("部品代1", c.parts);
        set("作業内容2", "値引き");
        PartCalc(t, 0, live);
        DataCalc(t, 0, live);
        Answers answers;
        answers.service.choice = c.choice;
        answers.service.typed = c.typed;
        ServiceCheck(t, 2, live, {}, answers);
        EXPECT_EQ(answers.asked, 1) << c.name;
        EXPECT_EQ(yen("作業工賃2"), c.line) << c.name;
        EXPECT_EQ(yen("請求額"), c.billed) << c.name;
    }
}

TEST_F(CalculationTest, DiscountChoicesAreTheTailOfTheAmountBilled) {
    const auto choices = serviceChoices("123456");
    EXPECT_EQ(choices[0], sjis::lit("6円"));
    EXPECT_EQ(choices[3], sjis::lit("3456円"));
    EXPECT_EQ(serviceChoices("50")[3], sjis::lit("50円"));
}

TEST_F(CalculationTest, OnlyFreshLinesNamedExactlyAreDiscounts) {
    set("時間1", "10");
    DataCalc(t, 1, live);
    Answers answers;
    answers.service.choice = 2;
    set("作業内容2", "値引き分");
    ServiceCheck(t, 2, live, {}, answers);
    set("作業内容2", "値引き");
    t.setNumber("作業工賃2", -434);
    ServiceCheck(t, 2, live, {}, answers);
    EXPECT_EQ(answers.asked, 0);
    EXPECT_EQ(yen("作業工賃2"), -434);
    // The captions compared are the live ones.
    set("作業内容3", "サービス");
    ServiceCheck(t, 3, live, {sjis::lit("サービス"), sjis::lit("特別値引き")}, answers);
    EXPECT_EQ(answers.asked, 1);
}

TEST_F(CalculationTest, SpecialDiscountTakesAPercentageOfLabour) {
    set("時間1", "5");
    DataCalc(t, 1, live); // 35000
    set("作業内容2", "特別値引き");
    Answers answers;
    answers.percent = "10";
    ServiceCheck(t, 2, live, {}, answers);
    EXPECT_EQ(yen("作業工賃2"), -3500);
    EXPECT_EQ(yen("作業工賃合計"), 31500);
    set("作業内容3", "特別値引き");
    answers.percent = "0";
    ServiceCheck(t, 3, live, {}, answers);
    EXPECT_TRUE(t.isNull("作業工賃3"));
}

TEST_F(CalculationTest, TaxOfMinusHundredWritesNoDiscountAndSaysWhy) {
    live.taxPercent = -100;
    set("時間1", "1");
    DataCalc(t, 1, live);
    set("作業内容2", "値引き");
    Answers answers;
    answers.service.choice = 0;
    ServiceCheck(t, 2, live, {}, answers);
    EXPECT_TRUE(t.isNull("作業工賃2"));
    EXPECT_NE(answers.told.find("-100"), std::string::npos);
}
