#pragma once

// Japan Post's national postal-code file for the tests: unpacked from ken_all.zip once
// per test program into a temporary folder.

#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace test {

inline std::filesystem::path kenAllZip() {
    return TORVANE_POSTAL_ZIP;
}

// KEN_ALL.CSV, or an empty path when the zip is not there or does not unpack.
inline const std::filesystem::path& kenAllCsv() {
    static TempDir dir;
    static const std::filesystem::path csv = []() -> std::filesystem::path {
        if (!std::filesystem::exists(kenAllZip()))
            return {};
        const std::string command = "unzip -o -q '" + kenAllZip().string() + "' KEN_ALL.CSV -d '" +
                                    dir.path().string() + "'";
        if (std::system(command.c_str()) != 0 || !std::filesystem::exists(dir / "KEN_ALL.CSV"))
            return {};
        return dir / "KEN_ALL.CSV";
    }();
    return csv;
}

} // namespace test

#define SKIP_WITHOUT_KEN_ALL()                                                                     \
    if (test::kenAllCsv().empty())                                                                 \
    GTEST_SKIP() << "no national postal-code file at " << test::kenAllZip()
