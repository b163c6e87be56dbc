#pragma once

// The workshop's database file ("ZEDAVIZ"): one SQLite file in the data directory.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace torvane::store {

// A prepared statement, finalised when it goes.
class Statement {
public:
    Statement() = default;
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return stmt_; }
    // Steps once; true while a row is there. Throws StoreError on failure.
    bool step();
    void reset();
    void bind(int index, int64_t value);
    void bindText(int index, std::string_view utf8);
    void bindBlob(int index, std::string_view bytes);
    void bindDouble(int index, double value);
    void bindNull(int index);

private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

class Database {
public:
    // Opens the file, creating it with every table when it does not exist. A file that is
    // no database of ours, one of a newer version, or one missing a table is refused with
    // a StoreError naming it, and is left exactly as it was.
    static std::unique_ptr<Database> open(const std::filesystem::path& file);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    sqlite3* handle() const { return db_; }
    const std::filesystem::path& file() const { return file_; }

    void exec(std::string_view sql);
    Statement prepare(std::string_view sql) { return Statement(db_, sql); }

    // One transaction; commits when commit() is called, else rolls back when it goes.
    class Transaction {
    public:
        explicit Transaction(Database& db);
        ~Transaction();
        void commit();

    private:
        Database& db_;
        bool open_ = true;
    };

    static std::string quote(std::string_view identifier);

    // Counts the commits made through this database: a cursor's read-ahead is good only
    // while it has not changed.
    uint64_t changeCount() const { return changes_; }
    void noteChange() { ++changes_; }

private:
    Database(sqlite3* db, std::filesystem::path file)
        : db_(db)
        , file_(std::move(file)) {}
    static void createSchema(sqlite3* db);
    static void migrate(sqlite3* db, int fromVersion);

    sqlite3* db_;
    std::filesystem::path file_;
    uint64_t changes_ = 0;
};

// Throws StoreError for an SQLite result code other than OK/ROW/DONE.
void check(sqlite3* db, int rc);

} // namespace torvane::store
