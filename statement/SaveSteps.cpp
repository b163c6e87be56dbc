#include "statement/SaveSteps.h"

#include "store/StoreError.h"
#include "store/Table.h"

namespace torvane::statement {

int64_t dateKey(std::string_view createdDate, const era::Date& today) {
    const era::Date d = era::CharToDate(createdDate, today);
    return static_cast<int64_t>(d.year) * 10000 + d.month * 100 + d.day;
}

void beforeSave(store::Table& t, const SaveChecks& checks, Prompts& prompts,
                const era::Date& today) {
    t.setInteger("項番", dateKey(t.text("作成日"), today));
    const auto check = [&](bool on, const char* field, const char* question) {
        if (on && t.text(field).empty() && prompts.askYesNo(question))
            throw store::Abort();
    };
    check(checks.inDate, "入庫日", "入庫日の入力が有りません！\n入力してから登録し直して下さい。");
    check(checks.mileage, "走行距離",
          "走行距離の入力が有りません！\n入力してから登録し直して下さい。");
}

} // namespace torvane::statement
