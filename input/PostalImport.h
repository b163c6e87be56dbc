#pragma once

// Loading a postal-code file (Japan Post's KEN_ALL.CSV or one laid out alike) into the
// table PostData, which the postal-code window shows and searches.

#include <array>
#include <filesystem>

namespace torvane::store {
class Database;
}

namespace torvane::input {

// Which columns of the file (1-based) hold the code and the three parts of the address,
// as PostData.INI in the data directory lists them, one number a line. For the national
// file they are 3, 7, 8, 9. A column number of 0 (or beyond the line) names no column.
struct PostalColumns {
    int code = 0;
    std::array<int, 3> address{};
};

inline constexpr const char* PostalColumnsFile = "PostData.INI";

// The columns from PostData.INI; all 0 without it. Throws FileError when the file is
// there but cannot be read. The file is only ever read.
PostalColumns readPostalColumns(const std::filesystem::path& dataDirectory);

// Replaces every row of PostData by one row per line of the CSV file (CP932): 郵便番号７桁
// from the code column, 住所 the three address columns joined. Every column but a line's
// last loses its enclosing double quotes, and a place-holder town (「以下に掲載がない
// 場合」, anything with 「一円」) counts as empty; columns after the fiftieth are ignored.
// All in one transaction: when the file cannot be read (FileError) or the database fails
// (StoreError), PostData stays as it was. Returns the number of rows stored.
int importPostData(store::Database& db, const std::filesystem::path& csv,
                   const PostalColumns& columns);

} // namespace torvane::input
