#include "statement/StatementList.h"
#include "store/Database.h"
#include "store/Table.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace torvane;

TEST(StatementList, OpensOnTheNewestUnfinishedStatement) {
    struct Case {
        std::vector<int> billed; // in primary order, oldest first
        int expectRecNo;         // in 降順; 0: a new statement is being inserted
        bool inserting;
    } cases[] = {
        {{}, 0, false},            // empty table: nothing appended
        {{100, 0, 200}, 2, false}, // newest with 0 is the middle one
        {{0, 0, 500}, 2, false},   // the newest of two unfinished
        {{100, 200}, 0, true},     // all billed: a new one is appended
        {{0}, 1, false},
    };
    for (const auto& c : cases) {
        TempDir dir;
        auto db = store::Database::open(dir / "z.sqlite3");
        store::Table list(*db, "Request");
        list.setIndexName("降順");
        int key = 1;
        for (int amount : c.billed) {
            list.append();
            list.setInteger("項番", key++);
            if (amount)
                list.setInteger("請求額", amount);
            list.post();
        }
        statement::goToNewestUnfinished(list);
        EXPECT_EQ(list.state() == store::Table::State::Insert, c.inserting);
        if (!c.inserting) {
            EXPECT_EQ(list.recNo(), c.expectRecNo);
        }
        EXPECT_EQ(list.recordCount(), static_cast<int>(c.billed.size()));
    }
}
