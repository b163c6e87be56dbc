#pragma once

// The note a saved statement leaves in the inspection ledger record it was filled from:
// a line with the date, the title and the mileage appended to the record's 備考.

#include "common/Sjis.h"

namespace torvane::store {
class Table;
}

namespace torvane::statement {

// The line: CR LF, the date, a full-width space, the title (padded with spaces to
// `titlePadLength` bytes, or followed by one full-width space when that is 0 or shorter
// than the title), the mileage.
sjis::Bytes ledgerNoteLine(const sjis::Bytes& date, const sjis::Bytes& title,
                           const sjis::Bytes& mileage, int titlePadLength);

// Appends the line to the ledger's current record when its 使用者 is exactly the
// statement's 氏名, and saves it. The date is the statement field `dateField` (作成日 by
// default), or 作成日 when that is empty. Returns whether a note was written.
bool writeLedgerNote(store::Table& statement, store::Table& ledger, int titlePadLength,
                     const std::string& dateField = "作成日");

} // namespace torvane::statement
