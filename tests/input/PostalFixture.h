#pragma once

// Small postal-code files laid out like the national one, written in CP932.

#include "common/Sjis.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

namespace test {

// One line of the national layout: code, prefecture, city and town (UTF-8); the other
// columns carry plausible fill.
inline std::string postalLine(const char* code, const char* prefecture, const char* city,
                              const char* town) {
    using torvane::sjis::lit;
    return "01101,\"060  \",\"" + std::string(code) + "\",\"ﾎｯｶｲﾄﾞｳ\",\"ｼ\",\"ﾁ\",\"" +
           lit(prefecture) + "\",\"" + lit(city) + "\",\"" + lit(town) + "\",0,0,0,0,0,0";
}

inline void writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// The lines joined with CR LF, a line break after the last as well.
inline std::string crlfLines(std::initializer_list<std::string> lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

} // namespace test
