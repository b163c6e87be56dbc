#include "statement/StatementList.h"

#include "store/Table.h"

namespace torvane::statement {

void goToNewestUnfinished(store::Table& list) {
    list.first();
    while (list.integer("請求額") != 0) {
        if (list.recNo() == list.recordCount()) {
            list.append();
            return;
        }
        list.next();
    }
}

} // namespace torvane::statement
