#include "input/PostalLookup.h"

#include "common/Sjis.h"
#include "store/Database.h"
#include "store/Table.h"

#include <sqlite3.h>

#include <optional>
#include <string>

namespace torvane::input {
namespace {

// The least byte string above every string that begins with `prefix`; nothing when
// there is none (a prefix of 0xFF bytes only).
std::optional<std::string> upperBound(std::string prefix) {
    while (!prefix.empty() && static_cast<unsigned char>(prefix.back()) == 0xFF)
        prefix.pop_back();
    if (prefix.empty())
        return std::nullopt;
    prefix.back() = static_cast<char>(static_cast<unsigned char>(prefix.back()) + 1);
    return prefix;
}

// The least id among the rows whose field lies in [low, high): text values (UTF-8) or
// blob values (text that is not CP932, kept as bytes); 0 when none.
int64_t firstIdInRange(store::Table& table, int field, const std::string& low, bool blob) {
    const std::string column = store::Database::quote(table.field(field).name);
    const auto high = upperBound(low);
    std::string sql = "SELECT MIN(\"ID\") FROM " + store::Database::quote(table.name()) +
                      " WHERE " + column + " >= ?1";
    if (high)
        sql += " AND " + column + " < ?2";
    store::Statement st = table.database().prepare(sql);
    if (blob) {
        st.bindBlob(1, low);
        if (high)
            st.bindBlob(2, *high);
    } else {
        st.bindText(1, low);
        if (high)
            st.bindText(2, *high); // UTF-8 has no 0xFF byte: there is always a bound
    }
    if (!st.step() || sqlite3_column_type(st.get(), 0) == SQLITE_NULL)
        return 0;
    return sqlite3_column_int64(st.get(), 0);
}

} // namespace

bool locatePostal(store::Table& postData, std::string_view field, std::string_view prefix) {
    const int f = postData.requireField(field);
    if (!postData.indexName().empty() || postData.filtered())
        return postData.locatePrefix(field, prefix);
    if (postData.isEmpty())
        return false;
    if (prefix.empty()) {
        postData.first();
        return true;
    }
    // The field holds text as UTF-8, and text that is not CP932 as a blob of its bytes.
    int64_t id = firstIdInRange(postData, f, std::string(prefix), true);
    if (const auto utf8 = sjis::toUtf8(prefix)) {
        const int64_t textId = firstIdInRange(postData, f, *utf8, false);
        if (textId != 0 && (id == 0 || textId < id))
            id = textId;
    }
    return id != 0 && postData.moveToId(id);
}

} // namespace torvane::input
