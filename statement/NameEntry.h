#pragma once

// Work and part names from the item master (ReqItem): the names offered by the rows'
// drop-downs, and what choosing one does to the statement and the master.

#include "common/Sjis.h"
#include "statement/Calculation.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace torvane::store {
class Table;
}

namespace torvane::statement {

// The names of the drop-downs, most used first (the master's order "回数"), and the item
// behind each list position (ItemRecordMap). As long as the master: no fixed limit.
struct ItemList {
    std::vector<sjis::Bytes> names;
    std::vector<int64_t> records; // record ids, by list position − 1
};

// Reads the whole master in the order "回数" and leaves it in its primary order.
ItemList rebuildItemList(store::Table& master);

// Applies an item of the master to slot n of the statement: with a list position q
// (1-based) the item behind it, without one the item the master is on now. The slot takes
// the item's hours and unit price for the statement's vehicle class (the first class
// when the statement has none), the item's use count goes up and its stock down, and the
// slot's amounts are computed. A master with no current item changes nothing but the
// amounts.
void ListSet(store::Table& statement, store::Table& master, int n, std::optional<int> q,
             const ItemList& list, const std::vector<sjis::Bytes>& classNames,
             const LiveSettings& live);

} // namespace torvane::statement
