#pragma once

#include <filesystem>

namespace torvane {

// One running program per machine: an advisory lock (flock) on a file named after
// "EX_Torvane". The kernel drops the lock when the process ends, however it ends, so a
// crashed run leaves nothing that keeps the next start from running.
class SingleInstance {
public:
    explicit SingleInstance(std::filesystem::path lockFile = defaultLockFile());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another run holds the lock: this one must end silently. A lock file that
    // cannot be made at all does not keep the program from running.
    bool anotherRuns() const { return anotherRuns_; }

    static std::filesystem::path defaultLockFile();

private:
    int fd_ = -1;
    bool anotherRuns_ = false;
};

} // namespace torvane
