#include "statement/NameEntry.h"
#include "store/Database.h"
#include "store/Table.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace torvane;
using namespace torvane::statement;

namespace {

class NameEntryTest : public ::testing::Test {
protected:
    TempDir dir;
    std::unique_ptr<store::Database> db = store::Database::open(dir / "z.sqlite3");
    store::Table master{*db, "ReqItem"};
    store::Table t{*db, "Request"};
    LiveSettings live{8000, 10, {}, 0};
    std::vector<sjis::Bytes> classes{sjis::lit("軽自動車"), sjis::lit("普通自動車")};

    void item(const char* name, int uses, const char* hours1, int price1, const char* hours2,
              int price2) {
        master.append();
        master.setText("項目名", sjis::lit(name));
        master.setInteger("引用回数", uses);
        master.setInteger("在庫数", 10);
        master.setText("時間1", hours1);
        master.setInteger("単価1", price1);
        master.setText("時間2", hours2);
        master.setInteger("単価2", price2);
        master.post();
    }
    std::vector<std::string> names(const ItemList& l) {
        std::vector<std::string> out;
        for (const auto& n : l.names)
            out.push_back(*sjis::toUtf8(n));
        return out;
    }
};

} // namespace

TEST_F(NameEntryTest, ListIsMostUsedFirstThenInTheMastersOrder) {
    item("オイル交換", 5, "0.5", 0, "0.5", 0);
    item("ワイパー", 0, "0", 1200, "0", 1500);
    item("タイヤ交換", 9, "1", 0, "1.2", 0);
    item("エアフィルタ", 0, "0.2", 2000, "0.2", 2500);
    const ItemList list = rebuildItemList(master);
    EXPECT_EQ(names(list),
              (std::vector<std::string>{"タイヤ交換", "オイル交換", "ワイパー", "エアフィルタ"}));
    EXPECT_EQ(master.indexName(), "");
}

TEST_F(NameEntryTest, PickingTheThirdEntryAppliesItForTheClassAndCountsIt) {
    item("オイル交換", 5, "0.5", 0, "0.5", 0);
    item("ワイパー", 0, "0.1", 1200, "0.2", 1500);
    item("タイヤ交換", 9, "1", 0, "1.2", 0);
    const ItemList list = rebuildItemList(master);
    t.append();
    t.setText("種別", sjis::lit("普通自動車"));
    t.setText("数量2", "2");
    ListSet(t, master, 2, 3, list, classes, live); // ワイパー
    EXPECT_EQ(t.text("時間2"), "0.2");
    EXPECT_EQ(t.integer("単価2"), 1500);
    EXPECT_EQ(t.integer("作業工賃2"), 1600);
    EXPECT_EQ(t.integer("部品代2"), 3000);
    EXPECT_EQ(t.integer("請求額"), (1600 + 3000) * 110 / 100);
    EXPECT_EQ(master.text("項目名"), sjis::lit("ワイパー"));
    EXPECT_EQ(master.integer("引用回数"), 1);
    EXPECT_EQ(master.integer("在庫数"), 9);
}

TEST_F(NameEntryTest, AStatementWithoutAClassTakesTheFirst) {
    item("点検", 0, "1.5", 0, "2", 0);
    const ItemList list = rebuildItemList(master);
    t.append();
    ListSet(t, master, 1, 1, list, classes, live);
    EXPECT_EQ(t.text("種別"), sjis::lit("軽自動車"));
    EXPECT_EQ(t.integer("作業工賃1"), 12000);
}

TEST_F(NameEntryTest, AnEmptyMasterOnlyRecomputes) {
    const ItemList list = rebuildItemList(master);
    t.append();
    t.setText("時間1", "1");
    ListSet(t, master, 1, std::nullopt, list, classes, live);
    ListSet(t, master, 1, 1, list, classes, live);
    EXPECT_EQ(t.integer("作業工賃1"), 8000);
    EXPECT_EQ(master.recordCount(), 0);
}
