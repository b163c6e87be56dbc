#pragma once

// Finding a row of PostData by the beginning of its code or address.

#include <string_view>

namespace torvane::store {
class Table;
}

namespace torvane::input {

// Makes the first record (in the cursor's order) whose field begins with the text
// (CP932) current; false and no move when there is none. On the unfiltered table in
// its primary order this is a look-up in the field's index, so it stays instant over
// the 124,000 rows of the national file; otherwise the cursor's own search.
bool locatePostal(store::Table& postData, std::string_view field, std::string_view prefixCp932);

} // namespace torvane::input
