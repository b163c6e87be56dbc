#pragma once

// Reading a CSV file line by line without holding the whole file: the postal-code files
// are some 12 MB and are read from start to end once.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace torvane::input {

class CsvLines {
public:
    // Opens the file; throws FileError when it cannot be opened.
    explicit CsvLines(const std::filesystem::path& file);
    ~CsvLines();
    CsvLines(const CsvLines&) = delete;
    CsvLines& operator=(const CsvLines&) = delete;

    // The next line without its line end (LF, with a CR before it dropped); false at the
    // end of the file. A last line without a line break is a line; a final line break
    // adds none. The view is good until the next call. Throws FileError on a read error.
    bool next(std::string_view& line);

private:
    bool fill();

    std::filesystem::path path_;
    int fd_ = -1;
    std::vector<char> buffer_;
    size_t begin_ = 0; // first byte not yet handed out
    size_t end_ = 0;   // end of the bytes read
    bool atEnd_ = false;
};

// Splits a line at every comma into at most `limit` columns (the rest of the line is
// dropped). CP932 trail bytes are never a comma, so a plain byte split is safe.
void splitColumns(std::string_view line, std::vector<std::string_view>& columns, size_t limit);

// The column without a double quote at its start and one at its end.
std::string_view unquote(std::string_view column);

} // namespace torvane::input
