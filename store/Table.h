#pragma once

// A cursor over one table of the database: the record order (primary or a named index),
// a filter with an on/off switch, the current record with its edit buffer, and the
// hooks and notifications the windows hang on it.
//
// The order is held as a vector of row ids; records are read on demand, one field at a
// time or whole, so that a table of 100,000 statements opens and moves instantly.

#include "common/Sjis.h"
#include "store/Database.h"
#include "store/Filter.h"
#include "store/Schema.h"
#include "store/Value.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace torvane::store {

class Table {
public:
    enum class State { Browse, Edit, Insert };

    // Opens a table of the database; throws StoreError when it is missing. The fields
    // are those the file has (an older file may lack some of the description's).
    Table(Database& db, std::string name);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const std::string& name() const { return name_; }
    Database& database() const { return db_; }

    // ---- structure
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    const FieldDef& field(int index) const { return fields_[static_cast<size_t>(index)]; }
    // -1 when the table has no such field.
    int fieldIndex(std::string_view name) const;
    bool hasField(std::string_view name) const { return fieldIndex(name) >= 0; }
    // Like fieldIndex, but throws "項目 '%s' が見つかりません".
    int requireField(std::string_view name) const;

    // ---- order and filter
    // "" is the table's primary order; otherwise the name of one of its indexes.
    void setIndexName(const std::string& index);
    const std::string& indexName() const { return index_; }
    // The filter text (CP932). Changing text or switch saves a pending edit, applies the
    // filter and makes the first record current. A text that is no filter expression, or
    // names a field the table lacks, throws and changes nothing.
    void setFilter(const sjis::Bytes& expression);
    const sjis::Bytes& filter() const { return filterText_; }
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }
    // Sets text and switch together: one reload instead of two.
    void applyFilter(const sjis::Bytes& expression, bool on);
    // Reads the record list again (after work behind the cursor's back).
    void refresh();

    // ---- position
    int recordCount() const { return static_cast<int>(rows_.size()); }
    bool isEmpty() const { return rows_.empty(); }
    // 1-based number of the current record in the current order; 0 when there is none.
    int recNo() const { return hasCurrent() ? pos_ + 1 : 0; }
    void setRecNo(int recNo);
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    void first();
    void last();
    void next();
    void prior();
    // Makes the record with this id current; false (and no move) when it is not listed.
    bool moveToId(int64_t id);
    // Id of the current record; 0 while inserting or when there is none.
    int64_t currentId() const;
    // The first record in the current order whose field begins with the text (CP932);
    // false and no move when there is none.
    bool locatePrefix(std::string_view fieldName, std::string_view prefix);

    // ---- editing
    State state() const { return state_; }
    bool editing() const { return state_ != State::Browse; }
    bool modified() const { return modified_; }
    void edit();   // starts editing the current record (inserts when there is none)
    void append(); // a new, empty record, placed by its key when posted
    void insert(); // the same as append for an ordered table
    // Writes the edit in one transaction. Runs the before-post hook (which may throw
    // Abort to refuse) and, after the commit, the after-post hook.
    void post();
    void cancel();
    // Deletes the current record (an insert in progress is cancelled instead).
    void remove();
    // Posts when modified, else cancels: what every move does first.
    void checkBrowseMode();

    // ---- fields of the current record (an absent record reads empty)
    Value value(int field) const;
    Value value(std::string_view name) const { return value(requireField(name)); }
    sjis::Bytes text(std::string_view name) const { return value(name).textForm(); }
    int64_t integer(std::string_view name) const;
    double number(std::string_view name) const { return value(name).number(); }
    bool isNull(std::string_view name) const { return value(name).isNull(); }

    // Writes need Edit or Insert state. Text written to a numeric field must spell a
    // number (empty text clears the field).
    void setValue(int field, Value v);
    void setText(std::string_view name, std::string_view cp932);
    void setInteger(std::string_view name, int64_t v);
    void setNumber(std::string_view name, double v);
    void setNull(std::string_view name);

    // Reads every field of the record at a 0-based position without moving the cursor
    // (for grids). An out-of-range position gives nulls.
    std::vector<Value> readRow(int position) const;
    // The text form of one field of every listed record, in list order: one query for a
    // whole drop-down list.
    std::vector<sjis::Bytes> columnTexts(std::string_view fieldName) const;
    // A field of the first and of the last record of the whole table in its primary
    // order, whatever the cursor's order and filter (nothing when the table is empty).
    std::optional<std::pair<Value, Value>> primaryEnds(std::string_view fieldName) const;
    // The ids of the listed records, in list order.
    const std::vector<int64_t>& rowIds() const { return rows_; }
    // Loads every field of the current record at once (a window about to show them all).
    void loadCurrent() const;

    // ---- hooks: set by the owner of the table (the main window for the statements)
    std::function<void(Table&)> beforePost;
    std::function<void(Table&)> afterPost;
    std::function<void(Table&)> afterCancel;

    // ---- notifications for views
    struct Listener {
        std::function<void()> recordChanged;   // another record, or the list changed
        std::function<void(int)> fieldChanged; // a field of the current record was set
        std::function<void()> stateChanged;    // browse / edit / insert
    };
    int subscribe(Listener listener);
    void unsubscribe(int id);

private:
    struct Row; // key values fetched for ordering

    bool hasCurrent() const { return pos_ >= 0 && pos_ < static_cast<int>(rows_.size()); }
    void reload(const std::vector<FilterTerm>& terms, bool filtered);
    void moveTo(int position);
    void clearBuffer() const;
    Value fetchField(int64_t id, int field) const;
    void writeRecord();
    void placeAfterPost(int64_t id);
    std::string orderBy(bool reverse = false) const;
    const OrderDef& order() const;
    Value parseForField(int field, std::string_view cp932) const;
    void notifyRecord();
    void notifyField(int field);
    void notifyState();

    Database& db_;
    std::string name_;
    std::vector<FieldDef> fields_;
    std::vector<OrderDef> orders_;
    std::string index_;
    sjis::Bytes filterText_;
    std::vector<FilterTerm> terms_;
    bool filtered_ = false;

    std::vector<int64_t> rows_;
    int pos_ = -1;
    bool bof_ = true;
    bool eof_ = true;

    State state_ = State::Browse;
    bool modified_ = false;
    // The current record: fields read so far (lazily), or the edit buffer.
    mutable std::vector<std::optional<Value>> buffer_;
    std::vector<bool> dirty_;

    // Read-ahead for walks: when a field is read record after record, the next records'
    // values of it are read in one query. Dropped by any commit or reload.
    struct ReadAhead {
        int first = -1;    // position of values[0]
        int lastRead = -2; // position of the last single read
        uint64_t changes = 0;
        uint64_t list = 0;
        std::vector<Value> values;
    };
    static constexpr int ReadAheadSize = 64;
    bool readAhead(int field, Value& out) const;

    mutable std::map<int, ReadAhead> readAhead_;
    mutable std::map<int, Statement> blockReaders_;
    uint64_t listVersion_ = 0;
    mutable std::map<int, Statement> fieldReaders_;
    mutable Statement rowReader_;

    std::map<int, Listener> listeners_;
    int nextListener_ = 1;
};

} // namespace torvane::store
