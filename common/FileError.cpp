#include "common/FileError.h"

#include <cerrno>

namespace torvane {

FileError FileError::fromErrno(int err, const std::string& path) {
    std::string text;
    switch (err) {
    case EACCES:
    case EPERM:
    case EROFS:
        text = "ファイルへのアクセスが拒否されました";
        break;
    case ENOSPC:
    case EDQUOT:
        text = "ディスクがいっぱいです";
        break;
    case ENOENT:
        text = "ファイルが見つかりません";
        break;
    default:
        text = "I/O エラー (" + std::to_string(err) + ")";
        break;
    }
    return FileError(text + "\n" + path);
}

} // namespace torvane
