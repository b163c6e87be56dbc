#pragma once

// Settings files: Shift-JIS text in the data directory, CR LF line ends, one value or list
// entry per line, meaning by position. An absent file means "keep the default" and is
// never an error; a file is only created when a value is written, and a write replaces
// the whole file.

#include "common/Sjis.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace torvane {

// The lines of a settings file as read, in CP932, without line ends. A final line break
// adds no line; CR LF, LF and a lone CR all end a line.
class SettingsLines {
public:
    SettingsLines() = default;
    explicit SettingsLines(std::vector<sjis::Bytes> lines)
        : lines_(std::move(lines)) {}

    // Line values: line n (1-based); reading past the end yields an empty line.
    const sjis::Bytes& line(size_t n) const;
    // A list: every line, in file order.
    const std::vector<sjis::Bytes>& list() const { return lines_; }
    size_t count() const { return lines_.size(); }

private:
    std::vector<sjis::Bytes> lines_;
};

namespace settings {

// Splits file contents into lines by the rules above.
SettingsLines parse(std::string_view contents);

// The file's lines, or nothing when the file does not exist. Any other failure (no
// permission, a folder in its place, a read error) throws FileError.
std::optional<SettingsLines> read(const std::filesystem::path& file);

// Rewrites the whole file with these lines, each ended by CR LF. The new contents replace
// the old in one step (a crash leaves the old file or the new one, never a mixture).
// Throws FileError.
void write(const std::filesystem::path& file, const std::vector<sjis::Bytes>& lines);

bool exists(const std::filesystem::path& file);

// Leading ASCII digits of a line as an integer (no digits: 0), saturating at INT_MAX:
// the reading of every whole-number line.
int leadingInteger(std::string_view line);

// "True"/"False" lines: only exactly "True" reads as yes.
inline bool flag(std::string_view line) {
    return line == "True";
}
inline sjis::Bytes flagText(bool on) {
    return on ? "True" : "False";
}

} // namespace settings
} // namespace torvane
