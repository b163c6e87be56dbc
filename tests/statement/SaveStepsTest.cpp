#include "statement/SaveSteps.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "store/Table.h"

#include "TempDir.h"

#include <deque>
#include <gtest/gtest.h>

using namespace torvane;
using namespace torvane::statement;

namespace {

struct Answers : Prompts {
    std::deque<bool> yes;
    std::vector<std::string> asked;
    Answer askYesNoCancel(const std::string&) override { return Answer::Cancel; }
    bool askYesNo(const std::string& text) override {
        asked.push_back(text);
        const bool a = yes.empty() ? false : yes.front();
        if (!yes.empty())
            yes.pop_front();
        return a;
    }
    void error(const std::string&) override {}
    std::string askPassword(const std::string&, const std::string&) override { return {}; }
};

} // namespace

TEST(SaveSteps, DateKeyOfTheStatementDate) {
    const era::Date today{2026, 12, 11};
    EXPECT_EQ(dateKey(sjis::lit("平成１７年０７月２５日"), today), 20050725);
    EXPECT_EQ(dateKey("", today), 20261211); // an empty date reads as today
}

TEST(SaveSteps, ChecksAskInOrderAndYesAbandonsTheSave) {
    TempDir dir;
    auto db = store::Database::open(dir / "z.sqlite3");
    store::Table t(*db, "Request");
    t.beforePost = [](store::Table&) {};
    const era::Date today{2026, 12, 11};
    struct Case {
        SaveChecks checks;
        std::deque<bool> answers;
        size_t questions;
        bool saved;
    } cases[] = {
        {{true, true}, {false, false}, 2, true}, {{true, true}, {true}, 1, false},
        {{true, true}, {false, true}, 2, false}, {{false, true}, {false}, 1, true},
        {{false, false}, {}, 0, true},
    };
    for (const auto& c : cases) {
        t.append();
        t.setText("作成日", sjis::lit("平成１７年０７月２５日"));
        Answers prompts;
        prompts.yes = c.answers;
        bool saved = true;
        try {
            beforeSave(t, c.checks, prompts, today);
        } catch (const store::Abort&) {
            saved = false;
        }
        EXPECT_EQ(prompts.asked.size(), c.questions);
        EXPECT_EQ(saved, c.saved);
        if (!prompts.asked.empty()) {
            EXPECT_EQ(prompts.asked[0].substr(0, 9), c.checks.inDate ? "入庫日" : "走行距");
        }
        EXPECT_EQ(t.integer("項番"), 20050725);
        t.cancel();
    }
}
