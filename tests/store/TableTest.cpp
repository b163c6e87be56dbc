#include "store/Table.h"
#include "store/Database.h"
#include "store/StoreError.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace torvane;
using namespace torvane::store;

namespace {

class TableTest : public ::testing::Test {
protected:
    TempDir dir;
    std::unique_ptr<Database> db = Database::open(dir / "zedaviz.sqlite3");
    Table request{*db, "Request"};

    // Appends statements with these keys (項番) and names, in the given order.
    void add(std::initializer_list<std::pair<int, const char*>> rows) {
        for (const auto& [key, name] : rows) {
            request.append();
            request.setInteger("項番", key);
            request.setText("氏名", sjis::lit(name));
            request.post();
        }
    }

    std::vector<std::string> names() {
        std::vector<std::string> out;
        for (request.first(); !request.eof(); request.next())
            out.push_back(*sjis::toUtf8(request.text("氏名")));
        return out;
    }
};

} // namespace

TEST_F(TableTest, EmptyTableReadsEmptyAndZero) {
    EXPECT_TRUE(request.bof());
    EXPECT_TRUE(request.eof());
    EXPECT_EQ(request.recNo(), 0);
    EXPECT_EQ(request.integer("請求額"), 0);
    EXPECT_EQ(request.text("氏名"), "");
    request.next();
    request.prior();
    EXPECT_EQ(request.recordCount(), 0);
}

TEST_F(TableTest, PrimaryOrderAndDescendingIndex) {
    add({{20020105, "b"}, {20011121, "a"}, {20020105, "c"}, {20030101, "d"}});
    EXPECT_EQ(names(), (std::vector<std::string>{"a", "b", "c", "d"}));
    request.setIndexName("降順");
    EXPECT_EQ(names(), (std::vector<std::string>{"d", "c", "b", "a"}));
    EXPECT_THROW(request.setIndexName("無い"), StoreError);
}

TEST_F(TableTest, NavigationFlagsFollowTheRecordNumber) {
    add({{1, "a"}, {2, "b"}, {3, "c"}});
    request.first();
    EXPECT_TRUE(request.bof());
    EXPECT_FALSE(request.eof());
    EXPECT_EQ(request.recNo(), 1);
    request.prior();
    EXPECT_TRUE(request.bof());
    EXPECT_EQ(request.recNo(), 1);
    request.next();
    EXPECT_FALSE(request.bof());
    EXPECT_EQ(request.recNo(), 2);
    request.last();
    EXPECT_TRUE(request.eof());
    EXPECT_EQ(request.text("氏名"), "c");
    request.next();
    EXPECT_EQ(request.recNo(), 3);
    request.setRecNo(2);
    EXPECT_EQ(request.text("氏名"), "b");
}

TEST_F(TableTest, PostedRecordTakesItsPlaceInTheOrderAndStaysCurrent) {
    request.setIndexName("降順");
    add({{10, "a"}, {30, "c"}});
    add({{20, "b"}});
    EXPECT_EQ(request.text("氏名"), "b");
    EXPECT_EQ(request.recNo(), 2);
    // Editing the key moves the record.
    request.edit();
    request.setInteger("項番", 40);
    request.post();
    EXPECT_EQ(request.recNo(), 1);
    EXPECT_EQ(request.text("氏名"), "b");
    EXPECT_EQ(names(), (std::vector<std::string>{"b", "c", "a"}));
}

TEST_F(TableTest, CancelDiscardsAndMovesPostAPendingEdit) {
    add({{1, "a"}, {2, "b"}});
    int cancels = 0;
    request.afterCancel = [&](Table&) { ++cancels; };
    request.first();
    request.edit();
    request.setText("氏名", "x");
    EXPECT_EQ(request.text("氏名"), "x");
    request.cancel();
    EXPECT_EQ(request.text("氏名"), "a");
    EXPECT_EQ(cancels, 1);

    request.edit();
    request.setText("氏名", "y");
    request.next(); // a move saves the pending edit
    EXPECT_FALSE(request.editing());
    request.first();
    EXPECT_EQ(request.text("氏名"), "y");

    // Edit without a change: a move cancels rather than posts.
    int posts = 0;
    request.beforePost = [&](Table&) { ++posts; };
    request.edit();
    request.next();
    EXPECT_EQ(posts, 0);
}

TEST_F(TableTest, BeforePostMayRefuseAndTheEditStays) {
    add({{1, "a"}});
    request.beforePost = [](Table& t) {
        if (t.text("氏名").empty())
            throw Abort();
    };
    int afterPosts = 0;
    request.afterPost = [&](Table&) { ++afterPosts; };
    request.edit();
    request.setText("氏名", "");
    EXPECT_THROW(request.post(), Abort);
    EXPECT_TRUE(request.editing());
    EXPECT_THROW(request.next(), Abort);
    EXPECT_EQ(afterPosts, 0);
    request.setText("氏名", "z");
    request.post();
    EXPECT_EQ(afterPosts, 1);
}

TEST_F(TableTest, DeleteKeepsThePlaceAndInsertDeleteCancels) {
    add({{1, "a"}, {2, "b"}, {3, "c"}});
    request.setRecNo(2);
    request.remove();
    EXPECT_EQ(request.recordCount(), 2);
    EXPECT_EQ(request.text("氏名"), "c");
    request.remove();
    EXPECT_EQ(request.text("氏名"), "a");
    request.append();
    request.setText("氏名", "new");
    request.remove();
    EXPECT_FALSE(request.editing());
    EXPECT_EQ(request.recordCount(), 1);
}

TEST_F(TableTest, FieldsByTypeAndErrors) {
    request.append();
    request.setText("単価1", "1200");
    request.setText("数量1", "1.5");
    request.setNumber("部品代1", 499.5);
    request.setText("車検", "True");
    EXPECT_EQ(request.integer("単価1"), 1200);
    EXPECT_EQ(request.number("数量1"), 1.5);
    EXPECT_EQ(request.text("部品代1"), "499.5");
    EXPECT_EQ(request.integer("部品代1"), 500); // halves to even
    EXPECT_THROW(request.setText("単価1", "12a"), StoreError);
    EXPECT_THROW(request.setText("単価1", "1.5"), StoreError);
    EXPECT_THROW(request.setText("数量1", "abc"), StoreError);
    EXPECT_EQ(request.integer("単価1"), 1200); // a refused text changes nothing
    request.setText("単価1", "");
    EXPECT_TRUE(request.isNull("単価1"));
    try {
        request.setText("存在しない", "x");
        FAIL();
    } catch (const StoreError& e) {
        EXPECT_STREQ(e.what(), "項目 '存在しない' が見つかりません");
    }
    request.post();
    EXPECT_EQ(request.text("車検"), "True");
    EXPECT_EQ(request.text("数量1"), "1.5");
    EXPECT_THROW(request.setText("氏名", "x"), StoreError); // not editing
}

TEST_F(TableTest, TextThatIsNotShiftJisIsKeptByteForByte) {
    const sjis::Bytes broken("\x82\xA0\xFF\x81", 4);
    request.append();
    request.setText("氏名", broken);
    request.setText("住所", sjis::lit("東京都～"));
    request.post();
    Table again(*db, "Request");
    EXPECT_EQ(again.text("氏名"), broken);
    EXPECT_EQ(again.text("住所"), sjis::lit("東京都～"));
}

TEST_F(TableTest, FilterNarrowsAndSwitchesOff) {
    request.setIndexName("降順");
    const char* dates[] = {"平成２０年０４月３０日", "平成２０年０５月０１日",
                           "平成２０年０５月３１日", "平成２０年０６月０１日"};
    int key = 1;
    for (const char* d : dates) {
        request.append();
        request.setInteger("項番", key++);
        request.setText("作成日", sjis::lit(d));
        request.post();
    }
    request.applyFilter(sjis::lit("(作成日 = '平成２０年０５月*')"), true);
    EXPECT_EQ(request.recordCount(), 2);
    EXPECT_EQ(request.recNo(), 1);
    EXPECT_EQ(request.text("作成日"), sjis::lit("平成２０年０５月３１日"));
    request.setFiltered(false);
    EXPECT_EQ(request.recordCount(), 4);
    request.setFiltered(true);
    EXPECT_EQ(request.recordCount(), 2);
    // A filter over a number compares its text form; an empty field is the empty text.
    request.applyFilter(sjis::lit("(請求額 = '')"), true);
    EXPECT_EQ(request.recordCount(), 4);
    // An unknown field throws and leaves the filter as it was.
    EXPECT_THROW(request.setFilter(sjis::lit("(無い = 'x')")), StoreError);
    EXPECT_EQ(request.filter(), sjis::lit("(請求額 = '')"));
    request.applyFilter(sjis::lit("(氏名 = 'x') and (作成日 = '平成*')"), true);
    EXPECT_EQ(request.recordCount(), 0);
    EXPECT_TRUE(request.eof());
}

TEST_F(TableTest, LocatePrefixFindsTheFirstInOrder) {
    Table post(*db, "PostData");
    for (const char* code : {"0600042", "0600041", "1000001"}) {
        post.append();
        post.setText("郵便番号７桁", code);
        post.post();
    }
    EXPECT_TRUE(post.locatePrefix("郵便番号７桁", "06000"));
    EXPECT_EQ(post.text("郵便番号７桁"), "0600042");
    EXPECT_TRUE(post.locatePrefix("郵便番号７桁", "1"));
    EXPECT_EQ(post.recNo(), 3);
    EXPECT_FALSE(post.locatePrefix("郵便番号７桁", "9"));
    EXPECT_EQ(post.recNo(), 3);
}

TEST_F(TableTest, DuplicateKeyIsRefusedAndTheEditStays) {
    Table sort(*db, "ReqSort");
    sort.append();
    sort.setText("項目1", sjis::lit("エンジン"));
    sort.post();
    sort.append();
    sort.setText("項目1", sjis::lit("エンジン"));
    EXPECT_THROW(sort.post(), KeyViolation);
    EXPECT_TRUE(sort.editing());
    sort.cancel();
    EXPECT_EQ(sort.recordCount(), 1);
}

TEST_F(TableTest, ListenersHearMovesFieldsAndStates) {
    add({{1, "a"}, {2, "b"}});
    request.first();
    int records = 0, states = 0;
    std::vector<int> fields;
    const int id = request.subscribe(
        {[&] { ++records; }, [&](int f) { fields.push_back(f); }, [&] { ++states; }});
    request.next();
    EXPECT_EQ(records, 1);
    request.edit();
    request.setText("氏名", "q");
    EXPECT_EQ(fields, std::vector<int>{request.fieldIndex("氏名")});
    request.post();
    EXPECT_GE(states, 2);
    request.unsubscribe(id);
    request.first();
    EXPECT_EQ(records, 2);
}

TEST_F(TableTest, WalksNeverSeeStaleValues)
{
    request.setIndexName("降順");
    for (int i = 0; i < 200; ++i) {
        request.append();
        request.setInteger("項番", i);
        request.setInteger("請求額", i);
        request.post();
    }
    const auto walk = [&] {
        std::vector<int64_t> billed;
        for (request.first(); !request.eof(); request.next())
            billed.push_back(request.integer("請求額"));
        return billed;
    };
    std::vector<int64_t> expected;
    for (int i = 199; i >= 0; --i)
        expected.push_back(i);
    EXPECT_EQ(walk(), expected);

    // A change through another cursor on the same database shows on the next walk.
    Table other(*db, "Request");
    other.setRecNo(100); // 項番 99 in the primary order
    other.edit();
    other.setInteger("請求額", -1);
    other.post();
    expected[100] = -1;
    EXPECT_EQ(walk(), expected);

    // And so do this cursor's own edits and deletions in the middle of a walk.
    request.setRecNo(70);
    EXPECT_EQ(request.integer("請求額"), 130);
    request.edit();
    request.setInteger("請求額", 7);
    request.next();
    request.prior();
    EXPECT_EQ(request.integer("請求額"), 7);
    request.setRecNo(71);
    request.remove();
    expected[69] = 7;
    expected.erase(expected.begin() + 70);
    EXPECT_EQ(walk(), expected);
}
