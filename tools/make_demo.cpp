// torvane-make-demo DIR [COUNT]: a data directory to try the program with.
//
// Makes DIR when missing and, when it has no database yet, fills it with a workshop's
// settings files, item master, expense names and COUNT statements (40 unless told), the
// newest of them received today. A directory that already has its database is left as it
// is, so that running this again keeps what was changed in the program.

#include "tools/SampleData.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <string>

namespace {

constexpr unsigned DemoSeed = 1989;

std::chrono::year_month_day today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::year_month_day(std::chrono::year(local.tm_year + 1900),
                                       std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
                                       std::chrono::day(static_cast<unsigned>(local.tm_mday)));
}

int usage() {
    std::fprintf(stderr, "usage: torvane-make-demo DIR [COUNT]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3)
        return usage();
    const std::string dir = argv[1];
    int count = 40;
    if (argc == 3) {
        char* end = nullptr;
        const long n = std::strtol(argv[2], &end, 10);
        if (end == argv[2] || *end != '\0' || n < 1 || n > 10'000'000)
            return usage();
        count = static_cast<int>(n);
    }
    try {
        if (torvane::sample::makeDemoDirectory(dir, count, DemoSeed, today()))
            std::printf("%s: %d statements written\n", dir.c_str(), count);
        else
            std::printf("%s already has a database; left as it is\n", dir.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "torvane-make-demo: %s\n", e.what());
        return 1;
    }
    return 0;
}
