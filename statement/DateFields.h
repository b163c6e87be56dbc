#pragma once

// What leaving the date boxes of a statement fills in: the next periodic inspection date
// from the inspection expiry, and the reception numbers from the statement date.

#include "common/EraDate.h"

#include <optional>
#include <string>

namespace torvane::store {
class Table;
}

namespace torvane::statement {

// The next periodic inspection date for an inspection expiring on `expiry`, seen on
// `today`: the expiry's month and day in the year the inspection falls due. A date that
// does not exist (29 February of a common year) gives nothing.
era::Date nextCheckDate(const era::Date& today, const era::Date& expiry);

// Leaving 車検期限: when 点検日 is empty, fills it from 車検期限 (an empty expiry counts as
// today). Returns the message to show when the date does not exist; 点検日 then stays
// empty.
std::optional<std::string> fillCheckDate(store::Table& statement, const era::Date& today);

// A reception number: two-digit year, month and day of the statement date and the last
// two digits of the serial, "05072501".
std::string receptionNumber(const era::Date& made, int serial);

// Leaving 作成日: a reception number into コメント (when the comment caption says so and
// コメント is empty), then into 受付番号 (when the optional fields are on and it is empty);
// each number written counts `serial` up.
void writeReceptionNumbers(store::Table& statement, int& serial, bool commentIsReception,
                           const era::Date& today);

} // namespace torvane::statement
