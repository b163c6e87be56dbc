#pragma once

// The copy command: a new statement that starts from chosen fields of the current one.

#include <string>
#include <vector>

namespace torvane::store {
class Table;
}

namespace torvane::statement {

// Reads the chosen fields (CP932 names, in order) of the current statement, appends a new
// one (saving the current edit first, which may be refused) and writes the texts into it.
// Nothing is recomputed; the new statement stays unsaved. An empty list does nothing; a
// name the table lacks stops the copy before a new statement is made.
void copyStatement(store::Table& statement, const std::vector<std::string>& fields);

// The fields a new installation offers for copying: the 244 of the standard order.
std::vector<std::string> copyableFields();

} // namespace torvane::statement
