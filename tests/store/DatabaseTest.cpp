#include "store/Database.h"
#include "store/StoreError.h"
#include "store/Table.h"

#include "TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace torvane;
using namespace torvane::store;

namespace {
std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void rawSql(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);
}

std::string openError(const std::filesystem::path& file) {
    try {
        Database::open(file);
    } catch (const StoreError& e) {
        return e.what();
    }
    return {};
}
} // namespace

TEST(Database, CreatesEveryTableWhenMissing) {
    TempDir dir;
    auto db = Database::open(dir / "zedaviz.sqlite3");
    for (const auto& def : schema::tables()) {
        Table t(*db, def.name);
        EXPECT_EQ(t.fieldCount(), static_cast<int>(def.fields.size())) << def.name;
        EXPECT_TRUE(t.isEmpty());
    }
    Table request(*db, "Request");
    EXPECT_EQ(request.fieldCount(), 244 + 3 + 1);
    EXPECT_EQ(request.field(0).name, "種別");
    EXPECT_EQ(request.field(243).name, "整備担当");
    EXPECT_EQ(request.field(247).name, "項番");
    EXPECT_FALSE(std::filesystem::exists(dir / "zedaviz.sqlite3.new"));
}

TEST(Database, ReopensItsOwnFile) {
    TempDir dir;
    {
        auto db = Database::open(dir / "z.sqlite3");
        Table t(*db, "Request");
        t.append();
        t.setText("氏名", sjis::lit("山田"));
        t.post();
    }
    auto db = Database::open(dir / "z.sqlite3");
    Table t(*db, "Request");
    EXPECT_EQ(t.recordCount(), 1);
    EXPECT_EQ(t.text("氏名"), sjis::lit("山田"));
}

TEST(Database, RefusesFilesThatAreNotOursAndLeavesThemAlone) {
    TempDir dir;
    struct Case {
        const char* name;
        std::function<void(const std::filesystem::path&)> make;
        const char* message;
    } cases[] = {
        {"text file", [](auto& p) { std::ofstream(p) << "これはデータベースではありません\n"; },
         "データベースではない"},
        {"empty file", [](auto& p) { std::ofstream{p}; }, "Torvane のデータベースではありません"},
        {"foreign database",
         [](auto& p) { rawSql(p, "CREATE TABLE x(a); INSERT INTO x VALUES(1);"); },
         "Torvane のデータベースではありません"},
        {"newer version",
         [](auto& p) {
             rawSql(p, "CREATE TABLE x(a); PRAGMA application_id=" +
                           std::to_string(schema::ApplicationId) + "; PRAGMA user_version=99;");
         },
         "新しい版"},
        {"missing tables",
         [](auto& p) {
             rawSql(p, "CREATE TABLE Request(ID INTEGER PRIMARY KEY, 氏名 TEXT); "
                       "PRAGMA application_id=" +
                           std::to_string(schema::ApplicationId) + "; PRAGMA user_version=1;");
         },
         "テーブル 'ReqItem' がありません"},
    };
    for (const auto& c : cases) {
        const auto file = dir / (std::string(c.name) + ".sqlite3");
        c.make(file);
        const std::string before = slurp(file);
        const std::string message = openError(file);
        EXPECT_NE(message.find(c.message), std::string::npos) << c.name << ": " << message;
        EXPECT_NE(message.find(file.string()), std::string::npos) << c.name;
        EXPECT_EQ(slurp(file), before) << c.name;
        EXPECT_FALSE(std::filesystem::exists(file.string() + "-wal")) << c.name;
    }
}

TEST(Database, RequestTableWithoutTheOptionalFieldsWorks) {
    TempDir dir;
    const auto file = dir / "old.sqlite3";
    Database::open(file);
    rawSql(file, "ALTER TABLE Request DROP COLUMN 受付番号; ALTER TABLE Request DROP COLUMN "
                 "車検期限; ALTER TABLE Request DROP COLUMN 点検日;");
    auto db = Database::open(file);
    Table t(*db, "Request");
    EXPECT_FALSE(t.hasField("受付番号"));
    t.append();
    t.setText("氏名", sjis::lit("佐藤"));
    t.post();
    EXPECT_EQ(t.text("氏名"), sjis::lit("佐藤"));
    try {
        (void)t.text("受付番号");
        FAIL();
    } catch (const StoreError& e) {
        EXPECT_STREQ(e.what(), "項目 '受付番号' が見つかりません");
    }
}
