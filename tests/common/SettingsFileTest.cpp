#include "common/SettingsFile.h"
#include "common/FileError.h"

#include "TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace torvane;

namespace {
std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
void put(const std::filesystem::path& p, const std::string& s) {
    std::ofstream(p, std::ios::binary) << s;
}
} // namespace

TEST(SettingsFile, LinesAreSplitAtEveryKindOfLineEnd) {
    struct Case {
        std::string contents;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},             // no final line break
        {"a\r\n\r\nb\r\n", {"a", "", "b"}}, // an empty line is an empty item
        {"a\nb\rc\r\n", {"a", "b", "c"}},
        {"\r\n", {""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(settings::parse(c.contents).list(), c.lines) << c.contents;
}

TEST(SettingsFile, ReadingPastTheEndYieldsEmptyLines) {
    const SettingsLines lines = settings::parse("x\r\n");
    EXPECT_EQ(lines.line(1), "x");
    EXPECT_EQ(lines.line(2), "");
    EXPECT_EQ(lines.line(0), "");
}

TEST(SettingsFile, AbsentFileIsNoError) {
    TempDir dir;
    EXPECT_FALSE(settings::read(dir / "Nothing.INI").has_value());
}

TEST(SettingsFile, WritesWholeFileWithCrLfAndKeepsBytes) {
    TempDir dir;
    const auto file = dir / "Re.INI";
    put(file, "old\r\nold\r\nold\r\n");
    const std::string invalid("\x82\xA0\xFF", 3);
    settings::write(file, {sjis::lit("氏名"), "", invalid});
    EXPECT_EQ(slurp(file), sjis::lit("氏名") + "\r\n\r\n" + invalid + "\r\n");
    EXPECT_EQ(settings::read(file)->list(),
              (std::vector<std::string>{sjis::lit("氏名"), "", invalid}));
    EXPECT_FALSE(std::filesystem::exists(dir / "Re.INI.tmp"));
}

TEST(SettingsFile, FailuresAreReportedInJapaneseWithTheFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write read-only files";
    TempDir dir;
    const auto file = dir / "Rate.INI";
    put(file, "5000\r\n");
    ::chmod(file.c_str(), 0444);
    try {
        settings::write(file, {"6000"});
        FAIL() << "a read-only file was written";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("アクセスが拒否されました"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("Rate.INI"), std::string::npos);
    }
    EXPECT_EQ(slurp(file), "5000\r\n");
}

TEST(SettingsFile, AFolderInPlaceOfTheFileIsReported) {
    TempDir dir;
    std::filesystem::create_directory(dir / "User.INI");
    EXPECT_THROW(settings::read(dir / "User.INI"), FileError);
    EXPECT_THROW(settings::write(dir / "User.INI", {"x"}), FileError);
}

TEST(SettingsFile, LeadingIntegerAndFlags) {
    struct Case {
        const char* line;
        int value;
    } cases[] = {{"20", 20},   {"7", 7},  {"abc", 0}, {"", 0},
                 {"15日", 15}, {" 5", 0}, {"-5", 0},  {"99999999999999", 2147483647}};
    for (const auto& c : cases)
        EXPECT_EQ(settings::leadingInteger(c.line), c.value) << c.line;
    EXPECT_TRUE(settings::flag("True"));
    EXPECT_FALSE(settings::flag("true"));
    EXPECT_FALSE(settings::flag("True "));
}
