#pragma once

// Row commands that change a slot's content as a whole: inserting and deleting a line,
// and typing a labour amount directly.

#include "common/Sjis.h"
#include "statement/Calculation.h"

namespace torvane::store {
class Table;
}

namespace torvane::statement {

// Ctrl+Insert at slot n: the usable slots n..L−1 move one down (the content of slot L is
// lost) and slot n is emptied; then the totals follow.
void insertLine(store::Table& statement, int n, const LiveSettings& live);

// Ctrl+Delete at slot n: the usable slots n+1..L move one up and slot L is emptied; then
// the totals follow.
void deleteLine(store::Table& statement, int n, const LiveSettings& live);

// A labour amount typed directly into slot n (empty text empties it); the totals follow.
// Text that is no number is refused by the table and the field keeps its value.
void directLabour(store::Table& statement, int n, const sjis::Bytes& text,
                  const LiveSettings& live);

} // namespace torvane::statement
