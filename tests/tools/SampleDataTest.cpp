#include "tools/SampleData.h"

#include "app/SettingsCatalogue.h"
#include "common/EraDate.h"
#include "common/SettingsFile.h"
#include "statement/StatementList.h"
#include "store/Database.h"
#include "store/Table.h"

#include "TempDir.h"

#include <QString>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cmath>
#include <fstream>
#include <set>

using namespace torvane;
using namespace std::chrono;

namespace {

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Every column of every statement, as text, in ID order.
std::string dump(store::Database& db) {
    std::string out;
    store::Statement st = db.prepare("SELECT * FROM Request ORDER BY ID");
    while (st.step()) {
        for (int c = 0; c < sqlite3_column_count(st.get()); ++c) {
            const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st.get(), c));
            out += p ? p : "<null>";
            out += '|';
        }
        out += '\n';
    }
    return out;
}

std::string utf8(const sjis::Bytes& cp932) {
    return sjis::toUtf8(cp932).value_or("<not cp932>");
}

std::set<std::string> linesOf(const std::string& file) {
    std::set<std::string> out;
    for (const auto& f : sample::settingsFiles())
        if (f.name == file)
            for (const auto& l : f.lines)
                out.insert(utf8(l));
    return out;
}

year_month_day dayOfKey(int64_t key) {
    return year_month_day(year(static_cast<int>(key / 10000)),
                          month(static_cast<unsigned>(key / 100 % 100)),
                          day(static_cast<unsigned>(key % 100)));
}

class SampleStatements : public ::testing::Test {
protected:
    static constexpr int Count = 400;
    TempDir dir;
    std::unique_ptr<store::Database> db = store::Database::open(dir / "zedaviz.sqlite3");

    void SetUp() override { sample::makeStatements(*db, Count, 42); }
};

} // namespace

TEST_F(SampleStatements, SameSeedSameStatementsOtherSeedOthers) {
    auto again = store::Database::open(dir / "again.sqlite3");
    sample::makeStatements(*again, Count, 42);
    EXPECT_EQ(dump(*again), dump(*db));

    auto other = store::Database::open(dir / "other.sqlite3");
    sample::makeStatements(*other, Count, 43);
    EXPECT_NE(dump(*other), dump(*db));
}

TEST_F(SampleStatements, AmountsAddUpAsTheEditorComputesThem) {
    store::Table list(*db, "Request");
    ASSERT_EQ(list.recordCount(), Count);
    int finished = 0;
    int inspections = 0;
    for (list.first(); !list.eof(); list.next()) {
        const std::string at = "statement " + std::to_string(list.recNo());
        list.loadCurrent();
        if (list.isNull("請求額") || list.integer("請求額") == 0)
            continue;
        ++finished;
        int64_t parts = 0;
        int64_t labour = 0;
        int filled = 0;
        for (int n = 1; n <= store::schema::ItemSlotCount; ++n) {
            const std::string s = std::to_string(n);
            if (list.text("作業内容" + s).empty()) {
                // The filled slots come first, without gaps.
                EXPECT_TRUE(list.isNull("単価" + s) && list.isNull("時間" + s)) << at << " " << s;
                continue;
            }
            EXPECT_EQ(filled, n - 1) << at;
            ++filled;
            EXPECT_FALSE(list.isNull("単価" + s) && list.isNull("時間" + s)) << at << " " << s;
            if (!list.isNull("単価" + s)) {
                const double amount = list.number("単価" + s) * list.number("数量" + s);
                EXPECT_EQ(list.number("部品代" + s), amount) << at << " " << s;
                EXPECT_EQ(amount, std::floor(amount)) << at << " " << s;
                parts += list.integer("部品代" + s);
            }
            if (!list.isNull("時間" + s)) {
                EXPECT_EQ(list.integer("作業工賃" + s),
                          std::llround(sample::LabourRate * list.number("時間" + s)))
                    << at << " " << s;
                labour += list.integer("作業工賃" + s);
            }
        }
        EXPECT_GE(filled, 5) << at;
        EXPECT_LE(filled, 20) << at;
        EXPECT_EQ(list.integer("部品代合計"), parts) << at;
        EXPECT_EQ(list.integer("作業工賃合計"), labour) << at;
        const int64_t tax = (10 * (parts + labour) + 50) / 100;
        EXPECT_EQ(list.integer("消費税"), tax) << at;

        const bool inspection = list.text("車検") == "True";
        EXPECT_EQ(inspection, utf8(list.text("タイトル")) == "車検") << at;
        int64_t adjustment = 0;
        if (inspection) {
            ++inspections;
            const int64_t fees = list.integer("自賠責") + list.integer("重量税") +
                                 list.integer("印紙代") + list.integer("諸費用");
            EXPECT_GT(list.integer("自賠責"), 0) << at;
            EXPECT_EQ(list.integer("車検合計"), fees) << at;
            adjustment = fees - list.integer("お預り");
        } else {
            EXPECT_EQ(list.text("車検"), "False") << at;
        }
        EXPECT_EQ(list.integer("調整額"), adjustment) << at;
        EXPECT_EQ(list.integer("請求額"), parts + labour + tax + adjustment) << at;
    }
    EXPECT_GE(finished, Count - 3);
    // About one in four is an inspection.
    EXPECT_GT(inspections, Count / 8);
    EXPECT_LT(inspections, Count / 2);
}

TEST_F(SampleStatements, KeyAndDatesFollowTheDayOfReceiving) {
    const sys_days last(sample::StandardUntil);
    const sys_days first =
        sys_days(year_month_day(sample::StandardUntil.year() - years(15),
                                sample::StandardUntil.month(), sample::StandardUntil.day()));
    std::set<int> years;
    int64_t previous = 0;
    store::Table list(*db, "Request");
    for (list.first(); !list.eof(); list.next()) {
        const std::string at = "statement " + std::to_string(list.recNo());
        const int64_t key = list.integer("項番");
        const year_month_day created = dayOfKey(key);
        ASSERT_TRUE(created.ok()) << at << " " << key;
        EXPECT_EQ(list.text("作成日"), era::dateText(static_cast<int>(created.year()),
                                                     static_cast<int>(unsigned(created.month())),
                                                     static_cast<int>(unsigned(created.day()))))
            << at;
        EXPECT_GT(sys_days(created), first) << at;
        EXPECT_LE(sys_days(created), last) << at;
        EXPECT_NE(weekday(sys_days(created)), Sunday) << at;
        // Received in order: the primary order (項番, then ID) is the order of writing.
        EXPECT_GE(key, previous) << at;
        EXPECT_EQ(list.currentId(), list.recNo()) << at;
        previous = key;
        years.insert(static_cast<int>(created.year()));
        // Arrival on the day or up to two days later.
        bool arrival = false;
        for (int d = 0; d <= 2; ++d) {
            const year_month_day a(sys_days(created) + days(d));
            arrival |= list.text("入庫日") == era::dateText(static_cast<int>(a.year()),
                                                            static_cast<int>(unsigned(a.month())),
                                                            static_cast<int>(unsigned(a.day())));
        }
        EXPECT_TRUE(arrival) << at << " " << utf8(list.text("入庫日"));
    }
    EXPECT_GE(years.size(), 15u);
}

TEST_F(SampleStatements, TheNewestTwoOrThreeAreUnfinishedAndTheEditorOpensOnTheNewest) {
    store::Table list(*db, "Request");
    list.setIndexName("降順");
    int unfinished = 0;
    for (list.first(); !list.eof() && list.integer("請求額") == 0; list.next())
        ++unfinished;
    EXPECT_GE(unfinished, 2);
    EXPECT_LE(unfinished, 3);
    for (; !list.eof(); list.next())
        ASSERT_GT(list.integer("請求額"), 0) << list.recNo();

    statement::goToNewestUnfinished(list);
    EXPECT_EQ(list.state(), store::Table::State::Browse);
    EXPECT_EQ(list.recNo(), 1);
    EXPECT_TRUE(list.text("出庫日").empty());
}

TEST_F(SampleStatements, TextsComeFromTheWorkshopsListsAndReadAsTheyShould) {
    struct Check {
        const char* field;
        std::set<std::string> allowed;
    } checks[] = {
        {"種別", linesOf(files::Class)},
        {"タイトル", linesOf(files::Title)},
        {"受付担当", linesOf(files::Charge)},
        {"整備担当", linesOf(files::Charge)},
    };
    std::set<std::string> names;
    store::Table list(*db, "Request");
    for (list.first(); !list.eof(); list.next()) {
        const std::string at = "statement " + std::to_string(list.recNo());
        for (const auto& c : checks)
            EXPECT_TRUE(c.allowed.count(utf8(list.text(c.field)))) << at << " " << c.field;

        // ふりがな: hiragana (and the space between family and given name) only.
        const QString kana = sjis::toQString(list.text("ふりがな"));
        EXPECT_FALSE(kana.isEmpty()) << at;
        for (QChar ch : kana)
            EXPECT_TRUE((ch >= QChar(0x3041) && ch <= QChar(0x3096)) || ch == QChar(0x3000) ||
                        ch == QChar(0x30FC))
                << at << " " << utf8(list.text("ふりがな"));

        const std::string postal = utf8(list.text("郵便番号"));
        EXPECT_EQ(postal.size(), 8u) << at;
        EXPECT_EQ(postal[3], '-') << at;
        EXPECT_FALSE(list.text("住所").empty()) << at;
        const std::string phone = utf8(list.text("電話番号"));
        EXPECT_TRUE(phone.starts_with("03-") || phone.starts_with("090-") ||
                    phone.starts_with("080-"))
            << at << " " << phone;
        EXPECT_EQ(phone.find_first_not_of("0123456789-"), std::string::npos) << at << " " << phone;
        EXPECT_FALSE(list.text("車名").empty()) << at;

        // 「品川 500 さ 12-34」: office, class number, kana, serial.
        const std::string plate = utf8(list.text("自動車登録番号"));
        std::vector<std::string> parts;
        for (size_t b = 0, e; b <= plate.size(); b = e + 1) {
            e = std::min(plate.find(' ', b), plate.size());
            parts.push_back(plate.substr(b, e - b));
        }
        ASSERT_EQ(parts.size(), 4u) << at << " " << plate;
        EXPECT_EQ(parts[1].size(), 3u) << at << " " << plate;
        // 軽自動車 carry the class numbers 480, 580 and 581.
        if (utf8(list.text("種別")) == "軽自動車") {
            EXPECT_EQ(parts[1][1], '8') << at << " " << plate;
        }
        names.insert(utf8(list.text("氏名")));
    }
    // Regulars come back: fewer customers than statements, but many of them.
    EXPECT_LT(names.size(), static_cast<size_t>(Count / 2));
    EXPECT_GT(names.size(), static_cast<size_t>(Count / 10));
}

TEST(SampleData, SettingsFilesAreShiftJisWithCrLf) {
    TempDir dir;
    sample::writeSettingsFiles(dir.path());
    struct Expect {
        const char* file;
        std::vector<const char*> lines; // empty: only the count is checked
        size_t count;
    } expects[] = {
        {files::Rate, {"8000"}, 1},
        {files::Zei, {"10"}, 1},
        {files::Class, {"軽自動車", "普通自動車"}, 2},
        {files::Title, {"車検", "12ヶ月点検", "修理", "一般整備", "見積り"}, 5},
        {files::User, {}, 7},
        {files::Charge, {}, 5},
        {files::Exp, {}, 6},
    };
    for (const auto& e : expects) {
        const auto path = dir / e.file;
        const std::string raw = slurp(path);
        ASSERT_FALSE(raw.empty()) << e.file;
        // Every line ends in CR LF, and there is no bare LF.
        EXPECT_TRUE(raw.ends_with("\r\n")) << e.file;
        for (size_t i = 0; i < raw.size(); ++i)
            if (raw[i] == '\n') {
                EXPECT_EQ(raw[i - 1], '\r') << e.file;
            }
        EXPECT_TRUE(sjis::toUtf8(raw).has_value()) << e.file;

        const auto lines = settings::read(path);
        ASSERT_TRUE(lines) << e.file;
        ASSERT_EQ(lines->count(), e.count) << e.file;
        for (size_t i = 0; i < e.lines.size(); ++i)
            EXPECT_EQ(lines->line(i + 1), sjis::lit(e.lines[i])) << e.file << " " << i;
        for (const auto& f : sample::settingsFiles())
            if (f.name == e.file) {
                EXPECT_EQ(lines->list(), f.lines) << e.file;
            }
        for (const auto& l : lines->list())
            EXPECT_FALSE(l.empty()) << e.file;
    }
    // The company's postal code is the second line of User.INI.
    EXPECT_EQ(settings::read(dir / files::User)->line(2).size(), 8u);
}

TEST(SampleData, ItemMasterAndExpenseNames) {
    TempDir dir;
    auto db = store::Database::open(dir / "zedaviz.sqlite3");
    sample::makeItemMaster(*db);
    sample::makeExpenseNames(*db);

    store::Table items(*db, "ReqItem");
    EXPECT_GE(items.recordCount(), 50);
    EXPECT_LE(items.recordCount(), 80);
    std::set<std::string> groups;
    std::set<std::string> names;
    int code = 0;
    for (items.first(); !items.eof(); items.next()) {
        const std::string name = utf8(items.text("項目名"));
        EXPECT_EQ(items.integer("コード"), ++code) << name;
        EXPECT_TRUE(names.insert(name).second) << "twice: " << name;
        groups.insert(utf8(items.text("分類名")));
        // Something to quote for both vehicle classes, and nothing for the others.
        for (const char* cls : {"1", "2"})
            EXPECT_TRUE(items.number(std::string("時間") + cls) > 0 ||
                        items.integer(std::string("単価") + cls) > 0)
                << name << " " << cls;
        EXPECT_TRUE(items.isNull("時間3") && items.isNull("単価3")) << name;
        EXPECT_GE(items.integer("引用回数"), 0) << name;
        EXPECT_GE(items.integer("在庫数"), 0) << name;
    }
    for (const char* g : {"エンジン", "ブレーキ", "足回り", "電装", "消耗品"})
        EXPECT_TRUE(groups.count(g)) << g;

    store::Table expenses(*db, "ReExpense");
    const char* expected[] = {"諸費用", "検査手数料", "代行手数料"};
    ASSERT_EQ(expenses.recordCount(), 3);
    expenses.first();
    for (const char* name : expected) {
        EXPECT_EQ(utf8(expenses.text("項目名")), name);
        EXPECT_GT(expenses.integer("諸費用1"), 0) << name;
        EXPECT_GT(expenses.integer("諸費用2"), 0) << name;
        expenses.next();
    }
}

TEST(SampleData, DemoDirectoryIsMadeOnceAndThenLeftAlone) {
    TempDir dir;
    const auto demo = dir / "nested/demo";
    const year_month_day today = 2026y / December / 11d;
    ASSERT_TRUE(sample::makeDemoDirectory(demo, 25, 1, today));
    for (const auto& f : sample::settingsFiles())
        EXPECT_TRUE(std::filesystem::exists(demo / f.name)) << f.name;
    // Nothing but the settings files and the database is left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(demo))
        ++entries;
    EXPECT_EQ(entries, static_cast<int>(sample::settingsFiles().size()) + 1);

    {
        auto db = store::Database::open(demo / files::Database);
        store::Table list(*db, "Request");
        EXPECT_EQ(list.recordCount(), 25);
        list.setIndexName("降順");
        list.first();
        // The newest statement was received on the day the demo was made.
        EXPECT_EQ(list.integer("項番"), 20261211);
        EXPECT_GT(store::Table(*db, "ReqItem").recordCount(), 0);
        EXPECT_EQ(store::Table(*db, "ReExpense").recordCount(), 3);
        list.last();
        list.edit();
        list.setText("氏名", sjis::lit("変更済み"));
        list.post();
    }
    settings::write(demo / files::Rate, {"9000"});

    EXPECT_FALSE(sample::makeDemoDirectory(demo, 40, 2, today));
    EXPECT_EQ(settings::read(demo / files::Rate)->line(1), "9000");
    auto db = store::Database::open(demo / files::Database);
    store::Table list(*db, "Request");
    EXPECT_EQ(list.recordCount(), 25);
    EXPECT_TRUE(list.locatePrefix("氏名", sjis::lit("変更済み")));
}
