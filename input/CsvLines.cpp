#include "input/CsvLines.h"

#include "common/FileError.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace torvane::input {
namespace {
constexpr size_t ChunkSize = 1 << 20;
}

CsvLines::CsvLines(const std::filesystem::path& file)
    : path_(file)
    , buffer_(ChunkSize) {
    fd_ = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        throw FileError::fromErrno(errno, file.string());
}

CsvLines::~CsvLines() {
    if (fd_ >= 0)
        ::close(fd_);
}

// Moves the unread rest to the front and reads more after it; false when nothing more
// came (end of file).
bool CsvLines::fill() {
    if (atEnd_)
        return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size())
        buffer_.resize(buffer_.size() * 2); // a line longer than the buffer
    for (;;) {
        const ssize_t n = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw FileError::fromErrno(errno, path_.string());
        if (n == 0) {
            atEnd_ = true;
            return false;
        }
        end_ += static_cast<size_t>(n);
        return true;
    }
}

bool CsvLines::next(std::string_view& line) {
    size_t searched = begin_;
    for (;;) {
        const char* start = buffer_.data() + searched;
        const auto* lf = static_cast<const char*>(std::memchr(start, '\n', end_ - searched));
        if (lf) {
            size_t length = static_cast<size_t>(lf - (buffer_.data() + begin_));
            line = std::string_view(buffer_.data() + begin_, length);
            begin_ += length + 1;
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            return true;
        }
        const size_t pending = end_ - begin_;
        if (!fill()) {
            if (begin_ == end_)
                return false;
            // The last line, without a line break.
            line = std::string_view(buffer_.data() + begin_, end_ - begin_);
            begin_ = end_;
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            return true;
        }
        searched = begin_ + pending;
    }
}

void splitColumns(std::string_view line, std::vector<std::string_view>& columns, size_t limit) {
    columns.clear();
    size_t start = 0;
    while (columns.size() < limit) {
        const size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            columns.push_back(line.substr(start));
            return;
        }
        columns.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
}

std::string_view unquote(std::string_view column) {
    if (!column.empty() && column.front() == '"')
        column.remove_prefix(1);
    if (!column.empty() && column.back() == '"')
        column.remove_suffix(1);
    return column;
}

} // namespace torvane::input
