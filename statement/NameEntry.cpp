#include "statement/NameEntry.h"

#include "statement/StatementRecord.h"
#include "store/Table.h"

#include <algorithm>

namespace torvane::statement {

ItemList rebuildItemList(store::Table& master) {
    ItemList list;
    master.setIndexName("回数");
    list.names = master.columnTexts("項目名");
    list.records = master.rowIds();
    master.setIndexName("");
    return list;
}

void ListSet(store::Table& t, store::Table& master, int n, std::optional<int> q,
             const ItemList& list, const std::vector<sjis::Bytes>& classNames,
             const LiveSettings& live) {
    bool onItem = master.recNo() > 0;
    if (q) {
        master.setIndexName("回数");
        onItem = *q >= 1 && static_cast<size_t>(*q) <= list.records.size() &&
                 master.moveToId(list.records[static_cast<size_t>(*q - 1)]);
    }
    if (!t.editing())
        t.edit();
    if (onItem && !classNames.empty()) {
        const sjis::Bytes vehicleClass = t.text("種別");
        auto it = std::find(classNames.begin(), classNames.end(), vehicleClass);
        if (it == classNames.end()) {
            t.setText("種別", classNames.front());
            it = classNames.begin();
        }
        const std::string k = std::to_string(it - classNames.begin() + 1);
        t.setText(slotFieldName(SlotField::Hours, n), master.text("時間" + k));
        t.setText(slotFieldName(SlotField::UnitPrice, n), master.text("単価" + k));
        master.edit();
        master.setInteger("引用回数", master.integer("引用回数") + 1);
        master.setInteger("在庫数", master.integer("在庫数") - 1);
        master.post();
    }
    DataCalc(t, n, live);
    PartCalc(t, n, live);
}

} // namespace torvane::statement
