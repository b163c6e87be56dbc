#include "input/PostalLookup.h"

#include "common/Sjis.h"
#include "input/PostalImport.h"
#include "store/Database.h"
#include "store/Table.h"

#include "PostalFixture.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace torvane;
using sjis::lit;

namespace {

struct LookupCase {
    const char* field;
    std::string prefix; // CP932
    int recNo;          // 0: not found, the cursor stays on record 3
};

class PostalLookup : public ::testing::TestWithParam<LookupCase> {
protected:
    TempDir dir;
    std::unique_ptr<store::Database> db = store::Database::open(dir / "ZEDAVIZ.db");

    void SetUp() override {
        test::writeFile(
            dir / "a.csv",
            test::crlfLines({
                test::postalLine("0600000", "北海道", "札幌市中央区", "以下に掲載がない場合"),
                test::postalLine("0640941", "北海道", "札幌市中央区", "旭ケ丘"),
                test::postalLine("0600042", "北海道", "札幌市中央区", "大通西"),
                test::postalLine("0200000", "岩手県", "盛岡市", "以下に掲載がない場合"),
                test::postalLine("0200020", "岩手県", "盛岡市", "本町"),
                // Not CP932: stored as bytes.
                "1,2,\"06\xFF\",4,5,6,\"\xFF\",\"\",\"\",0",
            }));
        input::importPostData(*db, dir / "a.csv", {3, {7, 8, 9}});
    }
};

TEST_P(PostalLookup, FindsTheFirstRowWithThePrefix) {
    store::Table t(*db, "PostData");
    t.setRecNo(3);
    const LookupCase& c = GetParam();
    EXPECT_EQ(input::locatePostal(t, c.field, c.prefix), c.recNo != 0);
    EXPECT_EQ(t.recNo(), c.recNo != 0 ? c.recNo : 3);
    // The cursor's own search agrees.
    store::Table slow(*db, "PostData");
    slow.setRecNo(3);
    EXPECT_EQ(slow.locatePrefix(c.field, c.prefix), c.recNo != 0);
    EXPECT_EQ(slow.recNo(), t.recNo());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PostalLookup,
    ::testing::Values(LookupCase{"郵便番号７桁", "060", 1}, LookupCase{"郵便番号７桁", "0640", 2},
                      LookupCase{"郵便番号７桁", "0600042", 3}, LookupCase{"郵便番号７桁", "02", 4},
                      LookupCase{"郵便番号７桁", "99", 0},
                      LookupCase{"郵便番号７桁", "06000420", 0}, LookupCase{"郵便番号７桁", "", 1},
                      LookupCase{"郵便番号７桁", "06\xFF", 6}, LookupCase{"住所", lit("岩手県"), 4},
                      LookupCase{"住所", lit("北海道札幌市中央区大"), 3},
                      LookupCase{"住所", lit("北海道札幌市中央区大通西東"), 0},
                      LookupCase{"住所", "\xFF", 6}, LookupCase{"住所", "\xFE", 0}));

TEST_F(PostalLookup, OtherOrderUsesTheCursorsSearch) {
    store::Table t(*db, "PostData");
    t.setIndexName("住所");
    ASSERT_TRUE(input::locatePostal(t, "住所", lit("北海道")));
    EXPECT_EQ(t.text("住所"), lit("北海道札幌市中央区"));
    EXPECT_FALSE(input::locatePostal(t, "住所", lit("沖縄県")));
}

TEST(PostalLookupEmpty, EmptyTableFindsNothing) {
    TempDir dir;
    auto db = store::Database::open(dir / "ZEDAVIZ.db");
    store::Table t(*db, "PostData");
    EXPECT_FALSE(input::locatePostal(t, "郵便番号７桁", ""));
    EXPECT_FALSE(input::locatePostal(t, "住所", lit("北海道")));
}

} // namespace
