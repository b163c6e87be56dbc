#include "app/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane {

std::filesystem::path SingleInstance::defaultLockFile() {
    return std::filesystem::temp_directory_path() / "EX_Torvane.lock";
}

SingleInstance::SingleInstance(std::filesystem::path lockFile) {
    // Readable by all, so that any user's run can take the lock on the same file.
    const mode_t old = ::umask(0);
    const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
    ::umask(old);
    if (fd < 0)
        return; // no lock file to be had: run rather than refuse to start
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        anotherRuns_ = true;
        return;
    }
    fd_ = fd;
}

SingleInstance::~SingleInstance() {
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace torvane
