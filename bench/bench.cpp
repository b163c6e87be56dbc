// torvane-bench [--count N] [--runs R]: how fast the statement list is with N statements,
// and the postal codes with Japan Post's national file.
//
// Makes a data directory of N sample statements in a temporary folder, then measures the
// work a user waits for, R times each, and prints the median of each measurement on a
// line of its own, "name: value unit", and nothing else on stdout. Progress and details
// go to stderr. The postal lines need ken_all.zip (TORVANE_POSTAL_ZIP), unpacked into the
// temporary folder; without it they are left out.

#include "common/Prompts.h"
#include "common/Sjis.h"
#include "input/PostDataForm.h"
#include "input/PostalImport.h"
#include "input/PostalScan.h"
#include "listing/MonthTabs.h"
#include "statement/NameEntry.h"
#include "statement/SFormDlg.h"
#include "statement/SaveSteps.h"
#include "statement/StatementList.h"
#include "store/Database.h"
#include "store/Table.h"
#include "tools/SampleData.h"

#include <QApplication>
#include <QSettings>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

using namespace torvane;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// A folder of its own under the temporary folder, removed with its contents at the end.
class ScratchDir {
public:
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "torvane-bench-XXXXXX");
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a temporary folder");
        path_ = pattern;
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

struct Options {
    int count = 100000;
    int runs = 5;
};

bool parsePositive(const char* text, int& out) {
    char* end = nullptr;
    const long n = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || n < 1 || n > 100'000'000)
        return false;
    out = static_cast<int>(n);
    return true;
}

bool parseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--count") == 0 && hasValue) {
            if (!parsePositive(argv[++i], o.count))
                return false;
        } else if (std::strcmp(argv[i], "--runs") == 0 && hasValue) {
            if (!parsePositive(argv[++i], o.runs))
                return false;
        } else {
            return false;
        }
    }
    return true;
}

// Positions 1..recordCount spread evenly over the list, `n` of them.
int spread(int k, int n, int recordCount) {
    return 1 + static_cast<int>(static_cast<int64_t>(k) * recordCount / n);
}

constexpr int PostsPerRun = 1000;
constexpr int ReadsPerRun = 200;

struct Figures {
    std::vector<double> open, walk, filter, post, read;
};

void measureOnce(const std::filesystem::path& file, Figures& f, bool reportCount) {
    // Opening the program: the database, the list in its newest-first order, and the
    // editor's statement.
    auto start = Clock::now();
    auto db = store::Database::open(file);
    store::Table list(*db, "Request");
    list.setIndexName("降順");
    statement::goToNewestUnfinished(list);
    f.open.push_back(msSince(start));
    if (list.state() == store::Table::State::Insert)
        list.cancel();

    // Scrolling the whole list with its amounts.
    start = Clock::now();
    int64_t billed = 0;
    list.first();
    while (!list.eof()) {
        billed += list.integer("請求額");
        list.next();
    }
    f.walk.push_back(msSince(start));
    const int records = list.recordCount();

    // A month tab.
    start = Clock::now();
    list.applyFilter(sjis::lit("(作成日 = '平成２０年０５月*')"), true);
    f.filter.push_back(msSince(start));
    if (reportCount)
        std::fprintf(stderr, "filter 作成日 month: %d of %d statements (billed in all: %lld yen)\n",
                     list.recordCount(), records, static_cast<long long>(billed));
    list.setFiltered(false);

    // Saving an edited statement, each time another one.
    std::vector<double> posts;
    for (int k = 0; k < PostsPerRun; ++k) {
        list.setRecNo(spread(k, PostsPerRun, records));
        start = Clock::now();
        list.edit();
        list.setText("コメント", sjis::lit("再見積り　") + std::to_string(k));
        list.post();
        posts.push_back(msSince(start));
    }
    f.post.push_back(median(posts));

    // Showing a statement in the editor: every field of it.
    std::vector<double> reads;
    size_t bytes = 0;
    for (int k = 0; k < ReadsPerRun; ++k) {
        start = Clock::now();
        list.setRecNo(spread(k, ReadsPerRun, records));
        list.loadCurrent();
        for (int i = 0; i < list.fieldCount(); ++i)
            bytes += list.value(i).textForm().size();
        reads.push_back(msSince(start));
    }
    f.read.push_back(median(reads));
    std::fprintf(stderr,
                 "  run: open %.1f ms, walk %.1f ms, filter %.1f ms, post %.2f ms (slowest "
                 "%.2f), read %.3f ms (%zu bytes)\n",
                 f.open.back(), f.walk.back(), f.filter.back(), f.post.back(),
                 *std::max_element(posts.begin(), posts.end()), f.read.back(), bytes);
}

// Prompts that nobody answers: the benchmark asks nothing.
class SilentPrompts : public Prompts {
public:
    Answer askYesNoCancel(const std::string&) override { return Answer::Cancel; }
    bool askYesNo(const std::string&) override { return false; }
    void error(const std::string& text) override {
        std::fprintf(stderr, "error: %s\n", text.c_str());
    }
    std::string askPassword(const std::string&, const std::string&) override { return {}; }
};

struct PostalFigures {
    double scan = 0, wholeScan = 0, import = 0, dialog = 0;
};

// The postal codes over the national file: a scan for an address, the import into
// PostData, and the window opening positioned at a code near the end of the table.
bool measurePostal(const std::filesystem::path& dir, int runs, PostalFigures& out) {
    const std::filesystem::path zip = TORVANE_POSTAL_ZIP;
    const std::string unzip =
        "unzip -o -q '" + zip.string() + "' KEN_ALL.CSV -d '" + dir.string() + "' >&2";
    const std::filesystem::path csv = dir / "KEN_ALL.CSV";
    if (!std::filesystem::exists(zip) || std::system(unzip.c_str()) != 0 ||
        !std::filesystem::exists(csv)) {
        std::fprintf(stderr, "no national postal-code file at %s: postal lines left out\n",
                     zip.c_str());
        return false;
    }

    const sjis::Bytes address = sjis::lit("北海道札幌市中央区大通西１０丁目");
    std::vector<double> scans;
    sjis::Bytes code;
    for (int k = 0; k < std::max(runs, 9); ++k) {
        const auto start = Clock::now();
        code = input::postalCodeOf(csv, address);
        scans.push_back(msSince(start));
    }
    out.scan = median(scans);
    // That scan stops after its city, the first of the file; a town of the last city
    // reads the whole file.
    std::vector<double> wholeScans;
    sjis::Bytes last;
    for (int k = 0; k < std::max(runs, 9); ++k) {
        const auto start = Clock::now();
        last = input::postalCodeOf(csv, sjis::lit("沖縄県八重山郡与那国町与那国"));
        wholeScans.push_back(msSince(start));
    }
    out.wholeScan = median(wholeScans);
    std::fprintf(stderr, "postal scan: %s; a town of the file's last city: %s\n", code.c_str(),
                 last.c_str());

    const std::filesystem::path postDir = dir / "postal";
    std::filesystem::create_directories(postDir);
    auto db = store::Database::open(postDir / "zedaviz.sqlite3");
    std::vector<double> imports;
    for (int k = 0; k < runs; ++k) {
        const auto start = Clock::now();
        const int rows = input::importPostData(*db, csv, {3, {7, 8, 9}});
        imports.push_back(msSince(start));
        if (k == 0)
            std::fprintf(stderr, "postal import: %d rows\n", rows);
    }
    out.import = median(imports);

    SilentPrompts prompts;
    std::vector<double> opens;
    for (int k = 0; k < std::max(runs, 9); ++k) {
        const auto start = Clock::now();
        TPostForm form(postDir, *db, prompts);
        form.goToCode("9071801");
        opens.push_back(msSince(start));
        if (k == 0)
            std::fprintf(stderr, "postal dialog: row %d of %d\n", form.postData().recNo(),
                         form.postData().recordCount());
    }
    out.dialog = median(opens);
    return true;
}

struct ListFigures {
    double tabs = 0, tabChange = 0, save = 0;
};

// The statement list of the main window: rebuilding the month tabs (after every save), a
// change to a month tab, and a save with its date key and the rebuild.
ListFigures measureList(const std::filesystem::path& file, int runs) {
    auto db = store::Database::open(file);
    store::Table list(*db, "Request");
    list.setIndexName("降順");
    const era::Date today = era::today();
    const auto rebuild = [&] {
        if (list.filtered())
            list.applyFilter(list.filter(), false);
        const auto ends = list.primaryEnds("作成日");
        return ends ? listing::buildMonthTabs(ends->first.textForm(), ends->second.textForm(), 0,
                                              today)
                    : std::vector<listing::MonthTab>{};
    };
    ListFigures out;
    std::vector<double> tabs, changes, saves;
    std::vector<listing::MonthTab> monthTabs;
    for (int k = 0; k < std::max(runs, 5); ++k) {
        auto start = Clock::now();
        monthTabs = rebuild();
        tabs.push_back(msSince(start));
        start = Clock::now();
        list.applyFilter(
            listing::tabPeriodText(monthTabs.at(std::min<size_t>(20, monthTabs.size() - 1)), 0),
            true);
        changes.push_back(msSince(start));
        list.applyFilter(list.filter(), false);
    }
    struct NoQuestions : Prompts {
        Answer askYesNoCancel(const std::string&) override { return Answer::No; }
        bool askYesNo(const std::string&) override { return false; }
        void error(const std::string&) override {}
        std::string askPassword(const std::string&, const std::string&) override { return {}; }
    } prompts;
    list.beforePost = [&](store::Table& t) { statement::beforeSave(t, {}, prompts, today); };
    list.afterPost = [&](store::Table&) { monthTabs = rebuild(); };
    for (int k = 0; k < std::max(runs, 50); ++k) {
        list.setRecNo(1 + (k * 37) % list.recordCount());
        const auto start = Clock::now();
        list.edit();
        list.setText("コメント", "save " + std::to_string(k));
        list.post();
        saves.push_back(msSince(start));
    }
    out.tabs = median(tabs);
    out.tabChange = median(changes);
    out.save = median(saves);
    std::fprintf(stderr, "month tabs: %zu\n", monthTabs.size());
    return out;
}

struct NameFigures {
    double rebuild = 0, open = 0;
};

// An item master of 20,000 names: rebuilding the rows' name lists (after every save to
// the master) and opening the name dialog on a slot.
NameFigures measureNames(const std::filesystem::path& dir, int runs) {
    const std::filesystem::path namesDir = dir / "names";
    std::filesystem::create_directories(namesDir);
    auto db = store::Database::open(namesDir / "zedaviz.sqlite3");
    {
        store::Database::Transaction tx(*db);
        store::Statement insert = db->prepare(
            "INSERT INTO \"ReqItem\" (\"項目名\", \"分類名\", \"コード\", \"引用回数\", "
            "\"時間1\", \"単価1\") VALUES (?, ?, ?, ?, ?, ?)");
        const char* groups[] = {"エンジン", "ブレーキ", "足回り", "電装", "消耗品", "車体"};
        for (int i = 1; i <= 20000; ++i) {
            insert.bindText(1, std::string("部品・作業 ") + std::to_string(i));
            insert.bindText(2, groups[i % 6]);
            insert.bind(3, i);
            insert.bind(4, (i * 7919) % 500);
            insert.bindDouble(5, 0.5);
            insert.bind(6, 1000 + i % 900);
            insert.step();
            insert.reset();
        }
        tx.commit();
    }
    store::Table master(*db, "ReqItem");
    store::Table statement(*db, "Request");
    statement.append();
    NameFigures out;
    std::vector<double> rebuilds;
    for (int k = 0; k < std::max(runs, 5); ++k) {
        const auto start = Clock::now();
        const statement::ItemList list = statement::rebuildItemList(master);
        rebuilds.push_back(msSince(start));
        if (k == 0)
            std::fprintf(stderr, "item list: %zu names\n", list.names.size());
    }
    out.rebuild = median(rebuilds);
    TFormDlg dialog(*db, master);
    std::vector<double> opens;
    for (int k = 0; k < std::max(runs, 5); ++k) {
        const auto start = Clock::now();
        dialog.prepare(statement, 1);
        opens.push_back(msSince(start));
        master.setFiltered(false);
    }
    out.open = median(opens);
    return out;
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parseOptions(argc, argv, o)) {
        std::fprintf(stderr, "usage: torvane-bench [--count N] [--runs R]\n");
        return 2;
    }
    try {
        ScratchDir dir;
        const std::filesystem::path file = dir.path() / "zedaviz.sqlite3";
        {
            const auto start = Clock::now();
            auto db = store::Database::open(file);
            sample::makeStatements(*db, o.count, 1);
            std::fprintf(stderr, "made %d statements in %.1f s (%.0f MB) in %s\n", o.count,
                         msSince(start) / 1000,
                         static_cast<double>(std::filesystem::file_size(file)) / (1024 * 1024),
                         dir.path().c_str());
        }

        Figures f;
        for (int run = 0; run < o.runs; ++run)
            measureOnce(file, f, run == 0);

        const ListFigures listFigures = measureList(file, o.runs);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        // The windows want an application; their positions go to the scratch folder.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(dir.path().string()));
        PostalFigures postal;
        const bool postalMeasured = measurePostal(dir.path(), o.runs, postal);
        const NameFigures names = measureNames(dir.path(), o.runs);
        std::printf("open and first show: %.1f ms\n", median(f.open));
        std::printf("walk list 降順 reading 請求額: %.1f ms\n", median(f.walk));
        std::printf("filter 作成日 month: %.1f ms\n", median(f.filter));
        std::printf("post one edit: %.2f ms\n", median(f.post));
        std::printf("read all fields of one statement: %.3f ms\n", median(f.read));
        std::printf("peak memory: %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024);
        std::printf("month tabs rebuild: %.1f ms\n", listFigures.tabs);
        std::printf("month tab change: %.1f ms\n", listFigures.tabChange);
        std::printf("save with month tabs rebuild: %.2f ms\n", listFigures.save);
        std::printf("item list rebuild 20000 items: %.1f ms\n", names.rebuild);
        std::printf("name dialog open 20000 items: %.1f ms\n", names.open);
        if (postalMeasured) {
            std::printf("postal scan 札幌市中央区大通西１０丁目: %.1f ms\n", postal.scan);
            std::printf("postal scan whole file 与那国町与那国: %.1f ms\n", postal.wholeScan);
            std::printf("postal import national file: %.0f ms\n", postal.import);
            std::printf("postal dialog open at code: %.1f ms\n", postal.dialog);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "torvane-bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
