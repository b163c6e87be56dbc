#include "input/PostalScan.h"

#include "common/Sjis.h"

#include "KenAll.h"
#include "PostalFixture.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using torvane::input::postalCodeOf;
using torvane::sjis::lit;

namespace {

// Two cities of Sapporo, then Morioka with a town whose bracket runs over three lines,
// then Miyako, the last city of the file.
std::string sampleFile() {
    using test::postalLine;
    return test::crlfLines({
        postalLine("0600000", "北海道", "札幌市中央区", "以下に掲載がない場合"),
        postalLine("0640941", "北海道", "札幌市中央区", "旭ケ丘"),
        postalLine("0600042", "北海道", "札幌市中央区", "大通西（１～１９丁目）"),
        postalLine("0640820", "北海道", "札幌市中央区", "大通西（２０～２８丁目）"),
        // Half-width "A": found inside 「ア」 (0x83 0x41) by a search that ignores
        // character boundaries.
        postalLine("0600099", "北海道", "札幌市中央区", "A"),
        postalLine("0010000", "北海道", "札幌市北区", "以下に掲載がない場合"),
        postalLine("0010010", "北海道", "札幌市北区", "北十条西（１～４丁目）"),
        postalLine("0200000", "岩手県", "盛岡市", "以下に掲載がない場合"),
        postalLine("0200011", "岩手県", "盛岡市", "上田（松屋敷、松下、毛無"),
        postalLine("0200012", "岩手県", "盛岡市", "森、堤、梨"),
        postalLine("0200013", "岩手県", "盛岡市", "木、新田）"),
        postalLine("0200020", "岩手県", "盛岡市", "本町"),
        postalLine("0200030", "岩手県", "盛岡市", "本宮（５～１０番地、２０番地）"),
        postalLine("0200040", "岩手県", "盛岡市", "中野（その他）"),
        postalLine("0200041", "岩手県", "盛岡市", "中野（１丁目・３丁目）"),
        postalLine("0200099", "岩手県", "盛岡市", "上田（その他）"),
        postalLine("0270000", "岩手県", "宮古市", "以下に掲載がない場合"),
        postalLine("0270001", "岩手県", "宮古市", "本町"),
    });
}

struct ScanCase {
    const char* address;
    const char* code;
    const char* why;
};

class PostalScanSample : public ::testing::TestWithParam<ScanCase> {};

TEST_P(PostalScanSample, FindsTheCode) {
    TempDir dir;
    test::writeFile(dir / "KEN_ALL.CSV", sampleFile());
    const ScanCase& c = GetParam();
    EXPECT_EQ(postalCodeOf(dir / "KEN_ALL.CSV", lit(c.address)), c.code) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PostalScanSample,
    ::testing::Values(
        ScanCase{"北海道札幌市中央区大通西１０丁目", "0600042",
                 "the range 1-19 holds 10; beats the place-holder and 20-28"},
        ScanCase{"北海道札幌市中央区大通西２５丁目", "0640820", "the second range"},
        ScanCase{"北海道札幌市中央区大通西3丁目", "0600042", "half-width digits in the address"},
        ScanCase{"北海道札幌市中央区大通西３０丁目", "0600000",
                 "no range holds 30: the city's place-holder"},
        ScanCase{"北海道札幌市中央区旭ケ丘５丁目", "0640941", "a plain town"},
        ScanCase{"北海道札幌市中央区宮の森１条", "0600000",
                 "a town not listed: the place-holder of the city the scan left"},
        ScanCase{"札幌市中央区旭ケ丘", "0640941", "no prefecture: city and town alone"},
        ScanCase{"東京都札幌市中央区旭ケ丘", "0640941",
                 "another prefecture named: the address is still looked at whole"},
        ScanCase{"北海道札幌市中央区アイ", "0600000",
                 "「ア」 holds the byte of \"A\" but not the character"},
        ScanCase{"北海道札幌市北区北十条西３丁目", "0010010", "the next city"},
        ScanCase{"岩手県盛岡市上田松下", "0200011", "a piece on the bracket's first line"},
        ScanCase{"岩手県盛岡市上田堤", "0200012", "a piece on a continuing line"},
        ScanCase{"岩手県盛岡市上田新田１－２", "0200013", "a piece on the closing line"},
        ScanCase{"岩手県盛岡市上田毛無森", "0200011",
                 "「毛無」 of the first line is in 「上田毛無森」 and comes first"},
        ScanCase{"岩手県盛岡市上田字堀", "0200099", "no piece: the bracket 「その他」"},
        ScanCase{"岩手県盛岡市本町２丁目", "0200020", "the bracket closed before 本町"},
        ScanCase{"岩手県盛岡市本宮７番地", "0200030", "the bracket text cut before 番地"},
        ScanCase{"岩手県盛岡市本宮２０番地", "0200000",
                 "only the text before the first 番地 counts"},
        ScanCase{"岩手県盛岡市中野３丁目", "0200041",
                 "「中野３丁目」 scores more than 「中野」 of the その他 line"},
        ScanCase{"岩手県盛岡市中野２丁目", "0200040", "the その他 line"},
        ScanCase{"岩手県宮古市本町", "0270001", "the last city of the file"},
        ScanCase{"岩手県宮古市田老", "",
                 "the last city's place-holder is dropped at the end of the file"},
        ScanCase{"大阪府大阪市北区梅田", "", "no city matches"},
        ScanCase{"", "", "no address: the first city is not in it"}));

TEST(PostalScan, AbsentFileGivesNoCode) {
    TempDir dir;
    EXPECT_EQ(postalCodeOf(dir / "KEN_ALL.CSV", lit("北海道札幌市中央区大通西１０丁目")), "");
}

TEST(PostalScan, FolderInPlaceOfTheFileIsAFileError) {
    TempDir dir;
    std::filesystem::create_directory(dir / "KEN_ALL.CSV");
    EXPECT_ANY_THROW(postalCodeOf(dir / "KEN_ALL.CSV", lit("札幌市中央区")));
}

// Lines a damaged or foreign file may hold: none of them stops the scan or makes it
// read beyond a line, and the good lines still count.
TEST(PostalScan, SurvivesBrokenLines) {
    TempDir dir;
    const std::string wide = [] {
        std::string s = test::postalLine("0600001", "北海道", "札幌市中央区", "宮の森");
        for (int i = 0; i < 60; ++i)
            s += ",\"x\"";
        return s;
    }();
    test::writeFile(
        dir / "KEN_ALL.CSV",
        test::crlfLines({
            "",
            "garbage",
            "1,2,3,4,5,6,7,8",
            "\"",
            ",,,,,,,,,,,,,,",
            // Lone lead bytes at the ends of columns and of the line.
            "1,2,\"9999999\",4,5,6,\"\x82\",\"\x82\",\"\",\x82",
            "1,2,3,4,5,6,\x88\x9F,\xE0",
            test::postalLine("0600000", "北海道", "札幌市中央区", "以下に掲載がない場合"),
            wide,
            // No quotes at all.
            "01101,060,0600042,x,x,x," + lit("北海道") + "," + lit("札幌市中央区") + "," +
                lit("大通西（１～１９丁目）") + ",1,0,1,0,0,0",
            test::postalLine("0600000", "北海道", "札幌市北区", "以下に掲載がない場合"),
        }) +
            // The last line without a line break, ending in a lead byte.
            "1,2,3,4,5,6,7,8,\x82");
    const auto file = dir / "KEN_ALL.CSV";
    EXPECT_EQ(postalCodeOf(file, lit("北海道札幌市中央区宮の森３条")), "0600001");
    EXPECT_EQ(postalCodeOf(file, lit("北海道札幌市中央区大通西１丁目")), "0600042");
    EXPECT_EQ(postalCodeOf(file, lit("北海道札幌市中央区南１条")), "0600000");
    // Only a lone lead byte matches the city of lone lead bytes (whose town is empty),
    // not the first half of a character.
    EXPECT_EQ(postalCodeOf(file, "\x82"), "9999999");
    EXPECT_EQ(postalCodeOf(file, "\x82\x82\x82"), "9999999");
    EXPECT_EQ(postalCodeOf(file, "\x82\x82"), "");
}

TEST(PostalScan, LastLineWithoutLineBreakCounts) {
    TempDir dir;
    test::writeFile(dir / "KEN_ALL.CSV",
                    test::postalLine("0600000", "北海道", "札幌市中央区", "以下に掲載がない場合") +
                        "\r\n" + test::postalLine("0600042", "北海道", "札幌市中央区", "大通西"));
    EXPECT_EQ(postalCodeOf(dir / "KEN_ALL.CSV", lit("北海道札幌市中央区大通西１丁目")), "0600042");
}

TEST(PostalScan, LongLinesAcrossTheReadBuffer) {
    // Lines longer than one read of the file, and many of them.
    TempDir dir;
    std::string filler(3 << 20, 'x');
    std::string contents = "1,2,3,4,5,6,7,8," + filler + "\r\n";
    for (int i = 0; i < 20000; ++i)
        contents += test::postalLine("0010000", "北海道", "函館市", "本町") + "\r\n";
    contents += "1,2,3,4,5,6,7,8," + filler + "\n";
    contents += test::postalLine("0400011", "北海道", "小樽市", "本町") + "\r\n";
    test::writeFile(dir / "KEN_ALL.CSV", contents);
    EXPECT_EQ(postalCodeOf(dir / "KEN_ALL.CSV", lit("北海道小樽市本町")), "0400011");
}

struct NationalCase {
    const char* address;
    const char* code;
};

class PostalScanNational : public ::testing::TestWithParam<NationalCase> {};

TEST_P(PostalScanNational, FindsTheCode) {
    SKIP_WITHOUT_KEN_ALL();
    EXPECT_EQ(postalCodeOf(test::kenAllCsv(), lit(GetParam().address)), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PostalScanNational,
    ::testing::Values(
        // 「大通西（１～１９丁目）」 holds 10, scoring 8, over the place-holder 0600000.
        NationalCase{"北海道札幌市中央区大通西１０丁目", "0600042"},
        NationalCase{"北海道札幌市中央区大通西２２丁目", "0640820"},
        NationalCase{"北海道札幌市中央区あいうえ町", "0600000"}, // town not listed
        NationalCase{"札幌市中央区旭ケ丘", "0640941"},           // no prefecture
        // 「萩荘（赤猪子、…化粧」 goes on over three more lines; 八幡 is on the last.
        NationalCase{"岩手県一関市萩荘八幡", "0210102"},
        NationalCase{"岩手県一関市萩荘字高梨", "0210102"},
        // A piece on the first line of a nine-line bracket.
        NationalCase{"鹿児島県鹿児島市川上町３６６１", "8911275"},
        NationalCase{"東京都千代田区丸の内グラントウキョウサウスタワー１階", "1006601"},
        NationalCase{"沖縄県八重山郡与那国町与那国", "9071801"}));

} // namespace
