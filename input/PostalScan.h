#pragma once

// The postal code of an address, looked up straight in Japan Post's national postal-code
// file (KEN_ALL.CSV: CP932, one delivery area per line, the code in column 3, prefecture,
// city and town in columns 7, 8 and 9).

#include "common/Sjis.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace torvane::input {

// The seven-digit code of the delivery area that matches the address (CP932) best, or
// empty when none does or the file does not exist. The file is read from its start and
// the scan ends once it has passed the lines of the address's city. Throws FileError
// when the file exists but cannot be read.
//
// How a line matches: the prefecture is skipped when the address names one (an address
// naming another prefecture is still looked at), the city must be in the address, and
// the town scores by the bytes it matches; a town with bracket text (「大通西（１～１９
// 丁目）」, possibly over several lines) matches one of the pieces or ranges in the
// bracket. The best score wins, the earlier line on a tie; an address whose town is not
// listed gets the code of its city's place-holder line (「以下に掲載がない場合」).
sjis::Bytes postalCodeOf(const std::filesystem::path& kenAll, std::string_view addressCp932);

// A town column that stands for no town: 「以下に掲載がない場合」 or any text with 「一円」.
bool isPlaceholderTown(std::string_view townCp932);

} // namespace torvane::input
