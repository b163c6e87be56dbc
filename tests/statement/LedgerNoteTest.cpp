#include "statement/LedgerNote.h"
#include "store/Database.h"
#include "store/Table.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace torvane;
using namespace torvane::statement;

TEST(LedgerNote, TitlePaddingFollowsThePadLength) {
    const sjis::Bytes date = sjis::lit("平成１７年０７月２５日");
    const sjis::Bytes title = sjis::lit("車検"); // 4 bytes
    EXPECT_EQ(ledgerNoteLine(date, title, "45210", 10),
              "\r\n" + date + sjis::lit("　") + title + "      " + "45210");
    EXPECT_EQ(ledgerNoteLine(date, title, "45210", 0),
              "\r\n" + date + sjis::lit("　") + title + sjis::lit("　") + "45210");
    EXPECT_EQ(ledgerNoteLine(date, title, "", 3), // shorter than the title
              "\r\n" + date + sjis::lit("　") + title + sjis::lit("　"));
    EXPECT_EQ(ledgerNoteLine(date, title, "1", 4), "\r\n" + date + sjis::lit("　") + title + "1");
}

TEST(LedgerNote, OnlyTheSameOwnerGetsTheNote) {
    TempDir dir;
    auto db = store::Database::open(dir / "z.sqlite3");
    store::Table ledger(*db, "INDATA");
    ledger.append();
    ledger.setText("使用者", sjis::lit("山田太郎"));
    ledger.setText("備考", sjis::lit("前回"));
    ledger.post();
    store::Table statement(*db, "Request");
    statement.append();
    statement.setText("氏名", sjis::lit("山田太郎"));
    statement.setText("作成日", sjis::lit("平成１７年０７月２５日"));
    statement.setText("タイトル", sjis::lit("車検"));
    statement.setText("走行距離", "45210");
    statement.post();
    EXPECT_TRUE(writeLedgerNote(statement, ledger, 10, "車検期限")); // empty: 作成日 instead
    EXPECT_EQ(ledger.text("備考"), sjis::lit("前回\r\n平成１７年０７月２５日　車検      45210"));
    statement.edit();
    statement.setText("氏名", sjis::lit("山田 太郎"));
    statement.post();
    EXPECT_FALSE(writeLedgerNote(statement, ledger, 10));
}
