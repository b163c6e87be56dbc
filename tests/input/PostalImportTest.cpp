#include "input/PostalImport.h"

#include "common/FileError.h"
#include "common/Sjis.h"
#include "store/Database.h"
#include "store/Table.h"

#include "KenAll.h"
#include "PostalFixture.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace torvane;
using sjis::lit;

namespace {

struct ImportFixture : ::testing::Test {
    TempDir dir;
    std::unique_ptr<store::Database> db = store::Database::open(dir / "ZEDAVIZ.db");

    void writeColumns(const std::string& lines) { test::writeFile(dir / "PostData.INI", lines); }

    // Every row as "code|address" in UTF-8.
    std::vector<std::string> rows() {
        store::Table t(*db, "PostData");
        std::vector<std::string> out;
        for (int i = 0; i < t.recordCount(); ++i) {
            const auto row = t.readRow(i);
            out.push_back(*sjis::toUtf8(row[0].textForm()) + "|" +
                          *sjis::toUtf8(row[1].textForm()));
        }
        return out;
    }

    void addRow(const char* code, const char* address) {
        store::Table t(*db, "PostData");
        t.append();
        t.setText("郵便番号７桁", lit(code));
        t.setText("住所", lit(address));
        t.post();
    }
};

TEST_F(ImportFixture, ReadsTheColumnNumbers) {
    writeColumns("3\r\n7\r\n8\r\n9\r\n");
    const auto c = input::readPostalColumns(dir.path());
    EXPECT_EQ(c.code, 3);
    EXPECT_EQ(c.address, (std::array<int, 3>{7, 8, 9}));
}

TEST_F(ImportFixture, WithoutColumnFileEveryColumnIsZero) {
    const auto c = input::readPostalColumns(dir.path());
    EXPECT_EQ(c.code, 0);
    EXPECT_EQ(c.address, (std::array<int, 3>{0, 0, 0}));
    EXPECT_FALSE(std::filesystem::exists(dir / "PostData.INI"));
}

TEST_F(ImportFixture, ZeroColumnsStoreEmptyRows) {
    test::writeFile(dir / "a.csv", test::crlfLines({test::postalLine("0600042", "北海道",
                                                                     "札幌市中央区", "大通西"),
                                                    "1,2,3"}));
    EXPECT_EQ(input::importPostData(*db, dir / "a.csv", input::readPostalColumns(dir.path())), 2);
    EXPECT_EQ(rows(), (std::vector<std::string>{"|", "|"}));
}

struct ColumnCase {
    const char* line; // UTF-8
    input::PostalColumns columns;
    const char* row; // code|address
    const char* why;
};

class ImportColumns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(ImportColumns, BuildsTheRow) {
    TempDir dir;
    auto db = store::Database::open(dir / "ZEDAVIZ.db");
    const ColumnCase& c = GetParam();
    test::writeFile(dir / "a.csv", lit(c.line) + "\r\n");
    ASSERT_EQ(input::importPostData(*db, dir / "a.csv", c.columns), 1);
    store::Table t(*db, "PostData");
    const auto row = t.readRow(0);
    EXPECT_EQ(*sjis::toUtf8(row[0].textForm()) + "|" + *sjis::toUtf8(row[1].textForm()), c.row)
        << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImportColumns,
    ::testing::Values(ColumnCase{R"(1,"0600000","北海道","札幌市中央区","以下に掲載がない場合",0)",
                                 {2, {3, 4, 5}},
                                 "0600000|北海道札幌市中央区",
                                 "the place-holder is empty"},
                      ColumnCase{R"(1,"5220317","滋賀県","犬上郡多賀町","一円",0)",
                                 {2, {3, 4, 5}},
                                 "5220317|滋賀県犬上郡多賀町",
                                 "「一円」 is a place-holder"},
                      ColumnCase{R"(1,"0600000","北海道","以下に掲載がない場合です",0)",
                                 {2, {3, 4, 0}},
                                 "0600000|北海道以下に掲載がない場合です",
                                 "only the whole text is the place-holder"},
                      ColumnCase{R"(1,0600042,北海道,"大通西")",
                                 {2, {3, 4, 0}},
                                 "0600042|北海道\"大通西\"",
                                 "the last column is taken as it is"},
                      ColumnCase{R"(1,"0600042",北海道,"札幌市",0)",
                                 {2, {3, 4, 0}},
                                 "0600042|北海道札幌市",
                                 "a column without quotes stays"},
                      ColumnCase{R"(1,"0600042","北海道)",
                                 {2, {3, 0, 0}},
                                 "0600042|\"北海道",
                                 "a last column missing its closing quote"},
                      ColumnCase{
                          R"(",",")",
                          {1, {2, 3, 0}},
                          "|\"",
                          "a column that is a lone quote is empty; the last keeps its quote"},
                      ColumnCase{R"(1,"0600042","札幌市")",
                                 {2, {9, 0, 3}},
                                 "0600042|\"札幌市\"",
                                 "a column beyond the line names nothing"},
                      ColumnCase{R"(1,"0600042",x,y)",
                                 {-1, {60, 2, 0}},
                                 "|0600042",
                                 "negative and huge numbers name nothing"}));

TEST_F(ImportFixture, ColumnsAfterTheFiftiethAreIgnored) {
    std::string line;
    for (int i = 1; i <= 55; ++i)
        line += (i > 1 ? ",\"c" : "\"c") + std::to_string(i) + "\"";
    test::writeFile(dir / "a.csv", line + "\r\n");
    input::importPostData(*db, dir / "a.csv", {50, {49, 51, 55}});
    // The fiftieth is not the line's last, so it loses its quotes as well.
    EXPECT_EQ(rows(), (std::vector<std::string>{"c50|c49"}));
}

TEST_F(ImportFixture, ReplacesEveryRow) {
    addRow("1111111", "古い住所");
    addRow("2222222", "古い住所２");
    test::writeFile(dir / "a.csv", test::postalLine("0600042", "北海道", "札幌市中央区", "大通西"));
    EXPECT_EQ(input::importPostData(*db, dir / "a.csv", {3, {7, 8, 9}}), 1);
    EXPECT_EQ(rows(), (std::vector<std::string>{"0600042|北海道札幌市中央区大通西"}));
}

TEST_F(ImportFixture, FailedImportLeavesTheTableAsItWas) {
    addRow("1111111", "古い住所");
    addRow("2222222", "古い住所２");
    const auto before = rows();
    // A folder opens but fails on the first read: after the old rows were deleted.
    std::filesystem::create_directory(dir / "folder.csv");
    EXPECT_THROW(input::importPostData(*db, dir / "folder.csv", {3, {7, 8, 9}}), FileError);
    EXPECT_EQ(rows(), before);
    EXPECT_THROW(input::importPostData(*db, dir / "missing.csv", {3, {7, 8, 9}}), FileError);
    EXPECT_EQ(rows(), before);
    // And the database takes the next import.
    test::writeFile(dir / "a.csv", "1,\"0600042\"\r\n");
    EXPECT_EQ(input::importPostData(*db, dir / "a.csv", {2, {0, 0, 0}}), 1);
}

TEST_F(ImportFixture, TextThatIsNotShiftJisIsKeptByTheByte) {
    test::writeFile(dir / "a.csv", "\"06\x82\",\"\x81\"\r\n");
    input::importPostData(*db, dir / "a.csv", {1, {2, 0, 0}});
    store::Table t(*db, "PostData");
    EXPECT_EQ(t.text("郵便番号７桁"), "06\x82");
    EXPECT_EQ(t.text("住所"), "\"\x81\"");
}

TEST_F(ImportFixture, NationalFile) {
    SKIP_WITHOUT_KEN_ALL();
    writeColumns("3\r\n7\r\n8\r\n9\r\n");
    EXPECT_EQ(input::importPostData(*db, test::kenAllCsv(), input::readPostalColumns(dir.path())),
              124825);
    store::Table t(*db, "PostData");
    ASSERT_EQ(t.recordCount(), 124825);
    EXPECT_EQ(t.text("郵便番号７桁"), "0600000");
    EXPECT_EQ(t.text("住所"), lit("北海道札幌市中央区")); // the place-holder line
    t.setRecNo(4);
    EXPECT_EQ(t.text("郵便番号７桁"), "0600042");
    EXPECT_EQ(t.text("住所"), lit("北海道札幌市中央区大通西（１～１９丁目）"));
    t.last();
    EXPECT_EQ(t.text("郵便番号７桁").size(), 7u);
}

} // namespace
