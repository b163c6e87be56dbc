#include "common/SettingsFile.h"

#include "common/FileError.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane {

const sjis::Bytes& SettingsLines::line(size_t n) const {
    static const sjis::Bytes empty;
    return n >= 1 && n <= lines_.size() ? lines_[n - 1] : empty;
}

namespace settings {

SettingsLines parse(std::string_view contents) {
    std::vector<sjis::Bytes> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < contents.size()) {
        const char c = contents[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(contents.substr(start, i - start));
            i += (c == '\r' && i + 1 < contents.size() && contents[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < contents.size())
        lines.emplace_back(contents.substr(start));
    return SettingsLines(std::move(lines));
}

std::optional<SettingsLines> read(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        throw FileError::fromErrno(errno, file.string());
    }
    std::string contents;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            throw FileError::fromErrno(err, file.string());
        }
        contents.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return parse(contents);
}

void write(const std::filesystem::path& file, const std::vector<sjis::Bytes>& lines) {
    std::string contents;
    for (const auto& line : lines) {
        contents += line;
        contents += "\r\n";
    }
    // A read-only file stays read-only: refuse as the old system did instead of
    // replacing it behind the user's back.
    if (::access(file.c_str(), F_OK) == 0 && ::access(file.c_str(), W_OK) != 0)
        throw FileError::fromErrno(errno, file.string());

    const std::string temp = file.string() + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw FileError::fromErrno(errno, file.string());
    const auto fail = [&](int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        throw FileError::fromErrno(err, file.string());
    };
    size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0)
        fail(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        throw FileError::fromErrno(err, file.string());
    }
    if (::rename(temp.c_str(), file.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        throw FileError::fromErrno(err, file.string());
    }
}

bool exists(const std::filesystem::path& file) {
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

int leadingInteger(std::string_view line) {
    long long value = 0;
    for (char c : line) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(value);
}

} // namespace settings
} // namespace torvane
