#include "store/Database.h"

#include "store/Schema.h"
#include "store/StoreError.h"

#include <sqlite3.h>

#include <unistd.h>

namespace torvane::store {
namespace {

std::string errorText(sqlite3* db, int rc) {
    const int primary = rc & 0xFF;
    if (primary == SQLITE_CONSTRAINT)
        return "キー違反です。";
    if (primary == SQLITE_FULL)
        return "ディスクがいっぱいです。";
    if (primary == SQLITE_READONLY || primary == SQLITE_PERM || primary == SQLITE_CANTOPEN)
        return "データベースに書き込めません (" + std::to_string(rc) + ")";
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        return "データベースが他のプログラムに使われています。";
    if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB)
        return "データベースが壊れています。";
    return "データベースのエラーです (" + std::to_string(rc) +
           "): " + (db ? sqlite3_errmsg(db) : "");
}

std::string named(const std::filesystem::path& file, const std::string& text) {
    return "ファイル '" + file.string() + "' " + text;
}

int pragmaInt(sqlite3* db, const char* sql) {
    Statement st(db, sql);
    return st.step() ? sqlite3_column_int(st.get(), 0) : 0;
}

void configure(sqlite3* db) {
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, 2000);
    // A post that has returned survives a killed process and a power cut.
    sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "PRAGMA cache_size=-16000", nullptr, nullptr, nullptr);
}

} // namespace

void check(sqlite3* db, int rc) {
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE)
        return;
    if ((rc & 0xFF) == SQLITE_CONSTRAINT)
        throw KeyViolation();
    throw StoreError(errorText(db, rc));
}

Statement::Statement(sqlite3* db, std::string_view sql)
    : db_(db) {
    check(db, sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()),
                                 SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr));
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_)
    , stmt_(other.stmt_) {
    other.stmt_ = nullptr;
}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        db_ = other.db_;
        stmt_ = other.stmt_;
        other.stmt_ = nullptr;
    }
    return *this;
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(stmt_);
    check(db_, rc);
    return false;
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

void Statement::bind(int index, int64_t value) {
    sqlite3_bind_int64(stmt_, index, value);
}

void Statement::bindText(int index, std::string_view utf8) {
    sqlite3_bind_text(stmt_, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void Statement::bindBlob(int index, std::string_view bytes) {
    sqlite3_bind_blob(stmt_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
}

void Statement::bindDouble(int index, double value) {
    sqlite3_bind_double(stmt_, index, value);
}

void Statement::bindNull(int index) {
    sqlite3_bind_null(stmt_, index);
}

std::string Database::quote(std::string_view identifier) {
    std::string out = "\"";
    for (char c : identifier) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

void Database::exec(std::string_view sql) {
    char* message = nullptr;
    const std::string copy(sql);
    const int rc = sqlite3_exec(db_, copy.c_str(), nullptr, nullptr, &message);
    sqlite3_free(message);
    check(db_, rc);
}

Database::Transaction::Transaction(Database& db)
    : db_(db) {
    db_.exec("BEGIN IMMEDIATE");
}

Database::Transaction::~Transaction() {
    if (open_) {
        db_.noteChange();
        sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Database::Transaction::commit() {
    db_.noteChange();
    db_.exec("COMMIT");
    open_ = false;
}

void Database::createSchema(sqlite3* db) {
    std::string sql = "BEGIN;";
    for (const auto& t : schema::tables()) {
        sql += "CREATE TABLE " + quote(t.name) + " (\"ID\" INTEGER PRIMARY KEY";
        for (const auto& f : t.fields) {
            const char* type = "TEXT";
            switch (f.type) {
            case FieldType::Text:
                type = "TEXT";
                break;
            case FieldType::Integer:
                type = "INTEGER";
                break;
            case FieldType::Number:
                type = "REAL";
                break;
            case FieldType::Flag:
                type = "FLAG TEXT";
                break;
            }
            sql += ", " + quote(f.name) + " " + type;
        }
        for (const auto& u : t.uniqueColumns)
            sql += ", UNIQUE(" + quote(u) + ")";
        sql += ");";
        for (const auto& order : t.orders) {
            if (order.columns.empty())
                continue;
            std::string cols;
            for (const auto& c : order.columns)
                cols += quote(c) + ", ";
            cols += "\"ID\"";
            for (const auto& c : t.coveringColumns)
                cols += ", " + quote(c);
            sql += "CREATE INDEX IF NOT EXISTS " + quote(t.name + "_" + order.columns[0]) + " ON " +
                   quote(t.name) + " (" + cols + ");";
        }
    }
    sql += "PRAGMA application_id=" + std::to_string(schema::ApplicationId) + ";";
    sql += "PRAGMA user_version=" + std::to_string(schema::Version) + ";";
    sql += "COMMIT;";
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    sqlite3_free(message);
    check(db, rc);
}

void Database::migrate(sqlite3*, int) {
    // Version 1 is the first; later versions add their steps here, each run in the
    // transaction of open().
}

std::unique_ptr<Database> Database::open(const std::filesystem::path& file) {
    std::error_code ec;
    const bool existed = std::filesystem::exists(file, ec);
    sqlite3* db = nullptr;

    if (!existed) {
        // Build the new file under a temporary name and move it into place, so that a
        // crash never leaves a half-made database behind under the real name.
        const std::filesystem::path temp = file.string() + ".new";
        std::filesystem::remove(temp, ec);
        int rc =
            sqlite3_open_v2(temp.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        try {
            check(db, rc);
            createSchema(db);
        } catch (const StoreError& e) {
            sqlite3_close(db);
            std::filesystem::remove(temp, ec);
            throw StoreError(named(file, std::string("を作成できません: ") + e.what()));
        }
        sqlite3_close(db);
        db = nullptr;
        if (::rename(temp.c_str(), file.c_str()) != 0)
            throw StoreError(named(file, "を作成できません。"));
    }

    int rc = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        throw StoreError(named(file, "を開けません (" + std::to_string(rc) + ")。"));
    }
    auto refuse = [&](const std::string& text) {
        sqlite3_close(db);
        throw StoreError(named(file, text));
    };

    // Look before touching: nothing below writes until the file is known to be ours.
    Statement probe;
    try {
        probe = Statement(db, "PRAGMA application_id");
        probe.step();
    } catch (const StoreError&) {
        probe = Statement();
        refuse("はデータベースではないか、壊れています。");
    }
    const int appId = sqlite3_column_int(probe.get(), 0);
    probe = Statement();
    if (appId != schema::ApplicationId)
        refuse("は Torvane のデータベースではありません。");
    const int version = pragmaInt(db, "PRAGMA user_version");
    if (version > schema::Version || version < 1)
        refuse("はこのプログラムより新しい版のデータベースです (版 " + std::to_string(version) +
               ")。");
    for (const auto& t : schema::tables()) {
        Statement st(db, "SELECT 1 FROM sqlite_master WHERE type='table' AND name=?");
        st.bindText(1, t.name);
        if (!st.step()) {
            st = Statement();
            refuse("にテーブル '" + t.name + "' がありません。");
        }
    }

    configure(db);
    auto database = std::unique_ptr<Database>(new Database(db, file));
    if (version < schema::Version) {
        Transaction tx(*database);
        migrate(db, version);
        database->exec("PRAGMA user_version=" + std::to_string(schema::Version));
        tx.commit();
    }
    return database;
}

Database::~Database() {
    sqlite3_close(db_);
}

} // namespace torvane::store
