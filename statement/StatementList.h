#pragma once

// Moves over the statement list that the main window and the other windows share.

namespace torvane::store {
class Table;
}

namespace torvane::statement {

// Where the editor opens: the first statement of the list whose 請求額 is 0 (an
// unfinished or empty one). When the last statement is reached with an amount billed, a
// new statement is appended (not yet posted). An empty list appends nothing: its absent
// record reads 請求額 0.
void goToNewestUnfinished(store::Table& list);

} // namespace torvane::statement
