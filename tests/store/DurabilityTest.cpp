// A post that has returned must survive the process being killed, and a process killed in
// the middle of a post must leave a database that opens, passes SQLite's integrity check
// and holds every record whole: either as it was before the post or as the post wrote it.

#include "store/Database.h"
#include "store/Table.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <map>
#include <random>

using namespace torvane;
using namespace torvane::store;

namespace {

// What the child reports after each post() has returned.
struct Ack {
    int64_t id;
    int64_t counter;
};

// The comment of a record: long enough that the record spills over into overflow pages,
// so that one post writes several pages.
sjis::Bytes comment(int64_t counter) {
    const sjis::Bytes piece = sjis::lit("作業記録") + std::to_string(counter) + " ";
    sjis::Bytes out;
    while (out.size() < 6000)
        out += piece;
    return out;
}

// Every post writes the same counter into five fields of different types; a record whose
// fields disagree was torn.
void writeCounter(Table& t, int64_t counter) {
    t.setInteger("項番", counter);
    t.setInteger("請求額", counter);
    t.setNumber("数量1", static_cast<double>(counter));
    t.setText("氏名", std::to_string(counter));
    t.setText("コメント", comment(counter));
}

// The child: posts appends and edits until it is killed, acknowledging each on the pipe.
[[noreturn]] void postUntilKilled(const std::filesystem::path& file, int ackFd, int64_t counter,
                                  unsigned seed) {
    try {
        auto db = Database::open(file);
        Table t(*db, "Request");
        std::mt19937 rng(seed);
        for (;; ++counter) {
            if (t.isEmpty() || rng() % 3 == 0) {
                t.append();
            } else {
                t.setRecNo(1 + static_cast<int>(rng() % static_cast<unsigned>(t.recordCount())));
                t.edit();
            }
            writeCounter(t, counter);
            t.post();
            const Ack ack{t.currentId(), counter};
            const char* p = reinterpret_cast<const char*>(&ack);
            size_t left = sizeof ack;
            while (left > 0) {
                const ssize_t n = ::write(ackFd, p, left);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    _exit(3);
                p += n;
                left -= static_cast<size_t>(n);
            }
        }
    } catch (...) {
        _exit(2);
    }
}

struct Round {
    std::vector<Ack> acks;
    bool killed = false; // ended by our SIGKILL rather than on its own
};

// Runs a child for `runFor`, then kills it and collects every acknowledgement it wrote.
Round killAfter(const std::filesystem::path& file, std::chrono::milliseconds runFor,
                int64_t firstCounter, unsigned seed) {
    Round round;
    int fds[2];
    if (::pipe(fds) != 0)
        return round;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        postUntilKilled(file, fds[1], firstCounter, seed);
    }
    ::close(fds[1]);
    if (pid < 0) {
        ::close(fds[0]);
        return round;
    }

    std::string bytes;
    char buffer[4096];
    const auto deadline = std::chrono::steady_clock::now() + runFor;
    bool killed = false;
    for (;;) {
        if (!killed) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd p{fds[0], POLLIN, 0};
            if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) == 0) {
                ::kill(pid, SIGKILL);
                killed = true;
                continue;
            }
        }
        // After the kill, reading on drains what was written before it, up to the end.
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    round.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    for (size_t at = 0; at + sizeof(Ack) <= bytes.size(); at += sizeof(Ack)) {
        Ack a;
        std::memcpy(&a, bytes.data() + at, sizeof a);
        round.acks.push_back(a);
    }
    return round;
}

// id -> counter of every record, after checking that each record is whole.
std::map<int64_t, int64_t> readCounters(Database& db) {
    std::map<int64_t, int64_t> out;
    Statement st =
        db.prepare("SELECT ID, 項番, 請求額, 数量1, 氏名, コメント FROM Request ORDER BY ID");
    while (st.step()) {
        sqlite3_stmt* s = st.get();
        const int64_t id = sqlite3_column_int64(s, 0);
        const int64_t counter = sqlite3_column_int64(s, 1);
        const auto text = [&](int col) {
            const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(s, col));
            return std::string(p ? p : "");
        };
        EXPECT_EQ(sqlite3_column_int64(s, 2), counter) << "record " << id;
        EXPECT_EQ(sqlite3_column_double(s, 3), static_cast<double>(counter)) << "record " << id;
        EXPECT_EQ(text(4), std::to_string(counter)) << "record " << id;
        EXPECT_EQ(text(5), sjis::toUtf8(comment(counter)).value()) << "record " << id;
        out[id] = counter;
    }
    return out;
}

} // namespace

TEST(Durability, AcknowledgedPostsSurviveKillsAndNoRecordIsTorn) {
    TempDir dir;
    const auto file = dir / "zedaviz.sqlite3";
    Database::open(file);

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);

    constexpr int Rounds = 8;
    std::map<int64_t, int64_t> expected; // id -> counter the database must hold
    size_t acknowledged = 0;
    for (int r = 1; r <= Rounds; ++r) {
        SCOPED_TRACE("round " + std::to_string(r));
        const int64_t firstCounter = int64_t{r} * 1'000'000;
        const auto runFor = std::chrono::milliseconds(40 + rng() % 260);
        const Round round = killAfter(file, runFor, firstCounter, rng());
        ASSERT_TRUE(round.killed) << "the posting process ended on its own";
        acknowledged += round.acks.size();

        // The one post that may have been written without its acknowledgement: the one
        // after the last acknowledged.
        const int64_t unacknowledged =
            round.acks.empty() ? firstCounter : round.acks.back().counter + 1;
        for (const Ack& a : round.acks)
            expected[a.id] = a.counter;

        auto db = Database::open(file);
        {
            Statement check = db->prepare("PRAGMA integrity_check");
            ASSERT_TRUE(check.step());
            EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check.get(), 0)), "ok");
        }
        const auto actual = readCounters(*db);
        for (const auto& [id, counter] : expected) {
            const auto it = actual.find(id);
            ASSERT_NE(it, actual.end()) << "acknowledged record " << id << " is gone";
            if (it->second != counter) {
                EXPECT_EQ(it->second, unacknowledged)
                    << "record " << id << " lost its acknowledged post " << counter;
            }
        }
        int unknown = 0;
        for (const auto& [id, counter] : actual) {
            if (!expected.count(id)) {
                ++unknown;
                EXPECT_EQ(counter, unacknowledged) << "record " << id << " was never posted";
            }
        }
        EXPECT_LE(unknown, 1);
        // The program, too, opens the list on it.
        Table list(*db, "Request");
        EXPECT_EQ(list.recordCount(), static_cast<int>(actual.size()));
        expected = actual;
    }
    // The rounds did post: a test whose child never got going would prove nothing.
    EXPECT_GT(acknowledged, static_cast<size_t>(Rounds));
}
