#pragma once

#include <stdexcept>
#include <string>

namespace torvane {

// A file that could not be opened, read or written. what() is the message shown to the
// user, in Japanese (UTF-8), naming the file.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    // The message for an errno value, in the words the workshop's staff know from their
    // old system ("I/O エラー (%d)", "ファイルへのアクセスが拒否されました"), with the file.
    static FileError fromErrno(int err, const std::string& path);
};

} // namespace torvane
