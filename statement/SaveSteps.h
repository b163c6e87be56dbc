#pragma once

// What every save of a statement does first: the date key 項番 from 作成日, and the two
// completeness checks the user may switch on.

#include "common/EraDate.h"
#include "common/Prompts.h"

namespace torvane::store {
class Table;
}

namespace torvane::statement {

struct SaveChecks {
    bool inDate = false;  // 入力確認 → 入庫日
    bool mileage = false; // 入力確認 → 走行距離
};

// 項番 = year × 10000 + month × 100 + day of 作成日 (read as any date text is).
int64_t dateKey(std::string_view createdDate, const era::Date& today);

// Sets 項番 and asks about an empty 入庫日 and an empty 走行距離 (when checked), in that
// order; "はい" abandons the save (throws store::Abort), "いいえ" lets it go on.
void beforeSave(store::Table& statement, const SaveChecks& checks, Prompts& prompts,
                const era::Date& today);

} // namespace torvane::statement
