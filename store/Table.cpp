#include "store/Table.h"

#include "common/Numbers.h"
#include "store/StoreError.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

namespace torvane::store {
namespace {

Value readColumn(sqlite3_stmt* st, int col) {
    switch (sqlite3_column_type(st, col)) {
    case SQLITE_INTEGER:
        return Value(static_cast<int64_t>(sqlite3_column_int64(st, col)));
    case SQLITE_FLOAT:
        return Value(sqlite3_column_double(st, col));
    case SQLITE_TEXT: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
        return Value(sjis::fromUtf8(std::string_view(p, sqlite3_column_bytes(st, col))));
    }
    case SQLITE_BLOB: {
        // Text that is not valid CP932 is kept as its raw bytes.
        const auto* p = static_cast<const char*>(sqlite3_column_blob(st, col));
        return Value(sjis::Bytes(p ? p : "", static_cast<size_t>(sqlite3_column_bytes(st, col))));
    }
    default:
        return Value();
    }
}

void bindValue(Statement& st, int index, const Value& v) {
    if (v.isNull())
        st.bindNull(index);
    else if (v.isInteger())
        st.bind(index, v.integer());
    else if (v.isReal())
        st.bindDouble(index, v.real());
    else if (auto utf8 = sjis::toUtf8(v.text()))
        st.bindText(index, *utf8);
    else
        st.bindBlob(index, v.text());
}

FieldType typeOf(std::string declared) {
    for (auto& c : declared)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (declared.find("FLAG") != std::string::npos)
        return FieldType::Flag;
    if (declared.find("INT") != std::string::npos)
        return FieldType::Integer;
    if (declared.find("REAL") != std::string::npos || declared.find("FLOA") != std::string::npos ||
        declared.find("DOUB") != std::string::npos)
        return FieldType::Number;
    return FieldType::Text;
}

// A sort key value compared as SQLite's ORDER BY does: nothing first, then numbers by
// value, then text by its UTF-8 bytes, then blobs.
struct KeyPart {
    int rank = 0;
    double number = 0;
    std::string bytes;

    static KeyPart read(sqlite3_stmt* st, int col) {
        KeyPart k;
        switch (sqlite3_column_type(st, col)) {
        case SQLITE_INTEGER:
        case SQLITE_FLOAT:
            k.rank = 1;
            k.number = sqlite3_column_double(st, col);
            break;
        case SQLITE_TEXT:
        case SQLITE_BLOB:
            k.rank = sqlite3_column_type(st, col) == SQLITE_TEXT ? 2 : 3;
            k.bytes.assign(static_cast<const char*>(sqlite3_column_blob(st, col)) ?: "",
                           static_cast<size_t>(sqlite3_column_bytes(st, col)));
            break;
        default:
            break;
        }
        return k;
    }

    int compare(const KeyPart& o) const {
        if (rank != o.rank)
            return rank < o.rank ? -1 : 1;
        if (rank == 1)
            return number < o.number ? -1 : (number > o.number ? 1 : 0);
        const int c = bytes.compare(o.bytes);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
};

} // namespace

struct Table::Row {
    std::vector<KeyPart> key;
    int64_t id = 0;
};

Table::Table(Database& db, std::string name)
    : db_(db)
    , name_(std::move(name)) {
    Statement info = db_.prepare("PRAGMA table_info(" + Database::quote(name_) + ")");
    while (info.step()) {
        const auto* col = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 1));
        const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 2));
        const std::string colName = col ? col : "";
        if (colName == "ID")
            continue;
        fields_.push_back({colName, typeOf(type ? type : "")});
    }
    if (fields_.empty())
        throw StoreError("テーブル '" + name_ + "' が見つかりません");
    if (const TableDef* def = schema::table(name_))
        orders_ = def->orders;
    if (orders_.empty())
        orders_.push_back({"", {}, false});
    buffer_.assign(fields_.size(), std::nullopt);
    dirty_.assign(fields_.size(), false);
    reload({}, false);
}

Table::~Table() = default;

int Table::fieldIndex(std::string_view name) const {
    for (size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].name == name)
            return static_cast<int>(i);
    return -1;
}

int Table::requireField(std::string_view name) const {
    const int i = fieldIndex(name);
    if (i < 0)
        throw StoreError::unknownField(std::string(name));
    return i;
}

// ---- order and filter

const OrderDef& Table::order() const {
    for (const auto& o : orders_)
        if (o.name == index_)
            return o;
    return orders_.front();
}

std::string Table::orderBy(bool reverse) const {
    const OrderDef& o = order();
    const bool desc = o.descending != reverse;
    const char* dir = desc ? " DESC" : "";
    std::string sql;
    for (const auto& c : o.columns)
        sql += Database::quote(c) + dir + ", ";
    const bool idDesc = o.idAscending ? reverse : desc;
    return sql + "\"ID\"" + (idDesc ? " DESC" : "");
}

void Table::setIndexName(const std::string& index) {
    if (std::none_of(orders_.begin(), orders_.end(), [&](auto& o) { return o.name == index; }))
        throw StoreError("インデックス '" + index + "' が見つかりません");
    checkBrowseMode();
    const int64_t id = currentId();
    index_ = index;
    reload(terms_, filtered_);
    if (id != 0)
        moveToId(id);
}

void Table::setFilter(const sjis::Bytes& expression) {
    applyFilter(expression, filtered_);
}

void Table::setFiltered(bool on) {
    applyFilter(filterText_, on);
}

void Table::applyFilter(const sjis::Bytes& expression, bool on) {
    std::vector<FilterTerm> terms = parseFilter(expression);
    for (const auto& t : terms)
        requireField(t.field);
    // Nothing changes for the list when the filter stays off, or stays on as it was.
    if (on == filtered_ && (!on || expression == filterText_)) {
        filterText_ = expression;
        terms_ = std::move(terms);
        return;
    }
    checkBrowseMode();
    filterText_ = expression;
    terms_ = std::move(terms);
    filtered_ = on;
    reload(terms_, filtered_);
}

void Table::refresh() {
    checkBrowseMode();
    const int64_t id = currentId();
    const int oldPos = pos_;
    reload(terms_, filtered_);
    if (id == 0 || !moveToId(id)) {
        if (!rows_.empty() && oldPos > 0)
            moveTo(std::min(oldPos, recordCount() - 1));
    }
}

void Table::reload(const std::vector<FilterTerm>& terms, bool filtered) {
    const bool useTerms = filtered && !terms.empty();
    std::vector<int> columns; // distinct fields the terms read
    std::vector<int> termColumn;
    if (useTerms) {
        for (const auto& t : terms) {
            const int f = requireField(t.field);
            auto it = std::find(columns.begin(), columns.end(), f);
            termColumn.push_back(static_cast<int>(it - columns.begin()) + 1);
            if (it == columns.end())
                columns.push_back(f);
        }
    }
    std::string sql = "SELECT \"ID\"";
    for (int f : columns)
        sql += ", " + Database::quote(fields_[static_cast<size_t>(f)].name);
    sql += " FROM " + Database::quote(name_) + " ORDER BY " + orderBy();
    Statement st = db_.prepare(sql);

    rows_.clear();
    ++listVersion_;
    std::vector<sjis::Bytes> texts(columns.size());
    while (st.step()) {
        if (useTerms) {
            for (size_t c = 0; c < columns.size(); ++c)
                texts[c] = readColumn(st.get(), static_cast<int>(c) + 1).textForm();
            bool pass = true;
            for (size_t t = 0; t < terms.size() && pass; ++t)
                pass = terms[t].matches(texts[static_cast<size_t>(termColumn[t] - 1)]);
            if (!pass)
                continue;
        }
        rows_.push_back(sqlite3_column_int64(st.get(), 0));
    }
    state_ = State::Browse;
    modified_ = false;
    pos_ = rows_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = rows_.empty();
    clearBuffer();
    notifyState();
    notifyRecord();
}

// ---- position

void Table::moveTo(int position) {
    pos_ = position;
    clearBuffer();
    notifyRecord();
}

void Table::first() {
    checkBrowseMode();
    moveTo(rows_.empty() ? -1 : 0);
    bof_ = true;
    eof_ = rows_.empty();
}

void Table::last() {
    checkBrowseMode();
    moveTo(recordCount() - 1);
    eof_ = true;
    bof_ = rows_.empty();
}

void Table::next() {
    checkBrowseMode();
    if (pos_ + 1 < recordCount()) {
        moveTo(pos_ + 1);
        bof_ = eof_ = false;
    } else {
        eof_ = true;
    }
}

void Table::prior() {
    checkBrowseMode();
    if (pos_ > 0) {
        moveTo(pos_ - 1);
        bof_ = eof_ = false;
    } else {
        bof_ = true;
    }
}

void Table::setRecNo(int recNo) {
    if (recNo < 1 || recNo > recordCount())
        return;
    checkBrowseMode();
    moveTo(recNo - 1);
    bof_ = eof_ = false;
}

bool Table::moveToId(int64_t id) {
    const auto it = std::find(rows_.begin(), rows_.end(), id);
    if (it == rows_.end())
        return false;
    checkBrowseMode();
    // The post above may have moved the record within the order.
    const auto again = std::find(rows_.begin(), rows_.end(), id);
    if (again == rows_.end())
        return false;
    moveTo(static_cast<int>(again - rows_.begin()));
    bof_ = eof_ = false;
    return true;
}

int64_t Table::currentId() const {
    if (state_ == State::Insert || !hasCurrent())
        return 0;
    return rows_[static_cast<size_t>(pos_)];
}

bool Table::locatePrefix(std::string_view fieldName, std::string_view prefix) {
    const int f = requireField(fieldName);
    checkBrowseMode();
    Statement st =
        db_.prepare("SELECT \"ID\", " + Database::quote(fields_[static_cast<size_t>(f)].name) +
                    " FROM " + Database::quote(name_) + " ORDER BY " + orderBy());
    std::unordered_set<int64_t> listed;
    if (filtered_ && !terms_.empty())
        listed.insert(rows_.begin(), rows_.end());
    int position = 0;
    while (st.step()) {
        const int64_t id = sqlite3_column_int64(st.get(), 0);
        if (!listed.empty() && !listed.count(id))
            continue;
        if (std::string_view(readColumn(st.get(), 1).textForm()).starts_with(prefix)) {
            if (position >= recordCount() || rows_[static_cast<size_t>(position)] != id)
                return moveToId(id);
            moveTo(position);
            bof_ = eof_ = false;
            return true;
        }
        ++position;
    }
    return false;
}

// ---- fields

void Table::clearBuffer() const {
    std::fill(buffer_.begin(), buffer_.end(), std::nullopt);
}

Value Table::fetchField(int64_t id, int field) const {
    auto it = fieldReaders_.find(field);
    if (it == fieldReaders_.end()) {
        it = fieldReaders_
                 .emplace(field,
                          db_.prepare("SELECT " +
                                      Database::quote(fields_[static_cast<size_t>(field)].name) +
                                      " FROM " + Database::quote(name_) + " WHERE \"ID\"=?"))
                 .first;
    }
    Statement& st = it->second;
    st.bind(1, id);
    Value v = st.step() ? readColumn(st.get(), 0) : Value();
    st.reset();
    return v;
}

Value Table::value(int field) const {
    if (field < 0 || field >= fieldCount())
        throw StoreError::unknownField(std::to_string(field));
    auto& slot = buffer_[static_cast<size_t>(field)];
    if (slot)
        return *slot;
    const int64_t id = currentId();
    if (id == 0)
        return Value();
    Value v;
    if (!readAhead(field, v))
        v = fetchField(id, field);
    slot = v;
    return *slot;
}

bool Table::readAhead(int field, Value& out) const {
    ReadAhead& ra = readAhead_[field];
    if (ra.changes != db_.changeCount() || ra.list != listVersion_) {
        ra = ReadAhead{};
        ra.changes = db_.changeCount();
        ra.list = listVersion_;
    }
    const int count = static_cast<int>(ra.values.size());
    if (pos_ >= ra.first && pos_ < ra.first + count) {
        out = ra.values[static_cast<size_t>(pos_ - ra.first)];
        return true;
    }
    const bool sequential = pos_ == ra.lastRead + 1 || (count > 0 && pos_ == ra.first + count);
    ra.lastRead = pos_;
    if (!sequential)
        return false;

    // The next records of the list, this field of each, in one query.
    auto it = blockReaders_.find(field);
    if (it == blockReaders_.end()) {
        std::string sql = "SELECT \"ID\", " +
                          Database::quote(fields_[static_cast<size_t>(field)].name) + " FROM " +
                          Database::quote(name_) + " WHERE \"ID\" IN (?";
        for (int i = 1; i < ReadAheadSize; ++i)
            sql += ",?";
        it = blockReaders_.emplace(field, db_.prepare(sql + ")")).first;
    }
    Statement& st = it->second;
    const int end = std::min(recordCount(), pos_ + ReadAheadSize);
    for (int i = 0; i < ReadAheadSize; ++i)
        st.bind(i + 1, pos_ + i < end ? rows_[static_cast<size_t>(pos_ + i)] : -1);
    std::unordered_map<int64_t, Value> byId;
    while (st.step())
        byId.emplace(sqlite3_column_int64(st.get(), 0), readColumn(st.get(), 1));
    st.reset();
    ra.first = pos_;
    ra.values.assign(static_cast<size_t>(end - pos_), Value());
    for (int p = pos_; p < end; ++p) {
        auto found = byId.find(rows_[static_cast<size_t>(p)]);
        if (found != byId.end())
            ra.values[static_cast<size_t>(p - pos_)] = std::move(found->second);
    }
    out = ra.values.front();
    return true;
}

int64_t Table::integer(std::string_view name) const {
    const Value v = value(name);
    if (v.isInteger())
        return v.integer();
    return numbers::yen(v.number());
}

std::vector<sjis::Bytes> Table::columnTexts(std::string_view fieldName) const {
    const int f = requireField(fieldName);
    Statement st =
        db_.prepare("SELECT \"ID\", " + Database::quote(fields_[static_cast<size_t>(f)].name) +
                    " FROM " + Database::quote(name_));
    std::unordered_map<int64_t, sjis::Bytes> byId;
    byId.reserve(rows_.size());
    while (st.step())
        byId.emplace(sqlite3_column_int64(st.get(), 0), readColumn(st.get(), 1).textForm());
    std::vector<sjis::Bytes> out;
    out.reserve(rows_.size());
    for (int64_t id : rows_) {
        auto it = byId.find(id);
        out.push_back(it != byId.end() ? std::move(it->second) : sjis::Bytes());
    }
    return out;
}

std::optional<std::pair<Value, Value>> Table::primaryEnds(std::string_view fieldName) const {
    const int f = requireField(fieldName);
    const OrderDef& primary = orders_.front();
    const auto end = [&](bool last) -> std::optional<Value> {
        const bool desc = primary.descending != last;
        std::string sql = "SELECT " + Database::quote(fields_[static_cast<size_t>(f)].name) +
                          " FROM " + Database::quote(name_) + " ORDER BY ";
        for (const auto& c : primary.columns)
            sql += Database::quote(c) + (desc ? " DESC, " : ", ");
        sql += std::string("\"ID\"") + (desc ? " DESC" : "") + " LIMIT 1";
        Statement st = db_.prepare(sql);
        if (!st.step())
            return std::nullopt;
        return readColumn(st.get(), 0);
    };
    auto first = end(false);
    if (!first)
        return std::nullopt;
    return std::make_pair(*first, *end(true));
}

void Table::loadCurrent() const {
    const int64_t id = currentId();
    if (id == 0)
        return;
    if (!rowReader_.get())
        rowReader_ = db_.prepare("SELECT * FROM " + Database::quote(name_) + " WHERE \"ID\"=?");
    rowReader_.bind(1, id);
    if (rowReader_.step()) {
        for (int f = 0; f < fieldCount(); ++f)
            if (!buffer_[static_cast<size_t>(f)])
                buffer_[static_cast<size_t>(f)] = readColumn(rowReader_.get(), f + 1);
    }
    rowReader_.reset();
}

std::vector<Value> Table::readRow(int position) const {
    std::vector<Value> row(fields_.size());
    if (position < 0 || position >= recordCount())
        return row;
    if (position == pos_ && editing()) {
        for (int f = 0; f < fieldCount(); ++f)
            row[static_cast<size_t>(f)] = value(f);
        return row;
    }
    if (!rowReader_.get())
        rowReader_ = db_.prepare("SELECT * FROM " + Database::quote(name_) + " WHERE \"ID\"=?");
    rowReader_.bind(1, rows_[static_cast<size_t>(position)]);
    if (rowReader_.step())
        for (int f = 0; f < fieldCount(); ++f)
            row[static_cast<size_t>(f)] = readColumn(rowReader_.get(), f + 1);
    rowReader_.reset();
    return row;
}

Value Table::parseForField(int field, std::string_view cp932) const {
    const FieldDef& def = fields_[static_cast<size_t>(field)];
    if (def.type == FieldType::Text || def.type == FieldType::Flag)
        return Value(sjis::Bytes(cp932));
    const auto number = numbers::parseDecimal(cp932);
    const bool blank = cp932.find_first_not_of(" \t") == std::string_view::npos;
    if (blank)
        return Value();
    const auto shown = [&] {
        const auto utf8 = sjis::toUtf8(cp932);
        return utf8 ? *utf8 : std::string("?");
    };
    if (def.type == FieldType::Integer) {
        if (!number || *number != std::floor(*number) || std::fabs(*number) > 9.0e15)
            throw StoreError("'" + shown() + "' は有効な整数値ではありません");
        return Value(static_cast<int64_t>(*number));
    }
    if (!number)
        throw StoreError("'" + shown() + "' は有効な数値ではありません");
    return Value(*number);
}

void Table::setValue(int field, Value v) {
    if (!editing())
        throw StoreError("データが編集モードではありません");
    if (field < 0 || field >= fieldCount())
        throw StoreError::unknownField(std::to_string(field));
    buffer_[static_cast<size_t>(field)] = std::move(v);
    dirty_[static_cast<size_t>(field)] = true;
    modified_ = true;
    notifyField(field);
}

void Table::setText(std::string_view name, std::string_view cp932) {
    const int f = requireField(name);
    setValue(f, parseForField(f, cp932));
}

void Table::setInteger(std::string_view name, int64_t v) {
    const int f = requireField(name);
    const FieldType t = fields_[static_cast<size_t>(f)].type;
    if (t == FieldType::Text || t == FieldType::Flag)
        setValue(f, Value(numbers::format(v)));
    else if (t == FieldType::Number)
        setValue(f, Value(static_cast<double>(v)));
    else
        setValue(f, Value(v));
}

void Table::setNumber(std::string_view name, double v) {
    const int f = requireField(name);
    const FieldType t = fields_[static_cast<size_t>(f)].type;
    if (t == FieldType::Text || t == FieldType::Flag)
        setValue(f, Value(numbers::format(v)));
    else if (t == FieldType::Integer)
        setValue(f, Value(static_cast<int64_t>(numbers::yen(v))));
    else
        setValue(f, Value(v));
}

void Table::setNull(std::string_view name) {
    setValue(requireField(name), Value());
}

// ---- editing

void Table::edit() {
    if (editing())
        return;
    if (!hasCurrent()) {
        insert();
        return;
    }
    state_ = State::Edit;
    modified_ = false;
    std::fill(dirty_.begin(), dirty_.end(), false);
    notifyState();
}

void Table::append() {
    insert();
}

void Table::insert() {
    checkBrowseMode();
    state_ = State::Insert;
    modified_ = false;
    std::fill(dirty_.begin(), dirty_.end(), false);
    std::fill(buffer_.begin(), buffer_.end(), Value());
    notifyState();
    notifyRecord();
}

void Table::checkBrowseMode() {
    if (!editing())
        return;
    if (modified_)
        post();
    else
        cancel();
}

void Table::writeRecord() {
    std::vector<int> changed;
    for (int f = 0; f < fieldCount(); ++f)
        if (dirty_[static_cast<size_t>(f)])
            changed.push_back(f);

    std::string sql;
    if (state_ == State::Insert) {
        if (changed.empty()) {
            sql = "INSERT INTO " + Database::quote(name_) + " DEFAULT VALUES";
        } else {
            std::string cols;
            std::string marks;
            for (int f : changed) {
                cols += (cols.empty() ? "" : ", ") +
                        Database::quote(fields_[static_cast<size_t>(f)].name);
                marks += marks.empty() ? "?" : ", ?";
            }
            sql =
                "INSERT INTO " + Database::quote(name_) + " (" + cols + ") VALUES (" + marks + ")";
        }
    } else {
        if (changed.empty())
            return;
        std::string sets;
        for (int f : changed)
            sets += (sets.empty() ? "" : ", ") +
                    Database::quote(fields_[static_cast<size_t>(f)].name) + "=?";
        sql = "UPDATE " + Database::quote(name_) + " SET " + sets + " WHERE \"ID\"=?";
    }
    Statement st = db_.prepare(sql);
    int i = 1;
    for (int f : changed)
        bindValue(st, i++, *buffer_[static_cast<size_t>(f)]);
    if (state_ == State::Edit)
        st.bind(i, currentId());
    st.step();
}

void Table::post() {
    if (!editing())
        return;
    if (beforePost)
        beforePost(*this);
    int64_t id = currentId();
    {
        Database::Transaction tx(db_);
        writeRecord();
        if (state_ == State::Insert)
            id = sqlite3_last_insert_rowid(db_.handle());
        tx.commit();
    }
    const bool wasInsert = state_ == State::Insert;
    state_ = State::Browse;
    modified_ = false;
    std::fill(dirty_.begin(), dirty_.end(), false);
    if (!wasInsert && hasCurrent())
        rows_.erase(rows_.begin() + pos_);
    placeAfterPost(id);
    clearBuffer();
    notifyState();
    notifyRecord();
    if (afterPost)
        afterPost(*this);
}

void Table::placeAfterPost(int64_t id) {
    // Binary search of the record's place by its key, asking the database for the keys
    // of the records it passes: a handful of lookups instead of reading the list again.
    const OrderDef& o = order();
    std::string sql = "SELECT ";
    for (const auto& c : o.columns)
        sql += Database::quote(c) + ", ";
    sql += "\"ID\" FROM " + Database::quote(name_) + " WHERE \"ID\"=?";
    Statement st = db_.prepare(sql);
    const int keyCount = static_cast<int>(o.columns.size());
    auto keyOf = [&](int64_t rowId) {
        Row r;
        r.id = rowId;
        st.bind(1, rowId);
        if (st.step())
            for (int c = 0; c < keyCount; ++c)
                r.key.push_back(KeyPart::read(st.get(), c));
        st.reset();
        r.key.resize(static_cast<size_t>(keyCount));
        return r;
    };
    auto less = [&](const Row& a, const Row& b) {
        for (size_t c = 0; c < a.key.size(); ++c) {
            const int cmp = a.key[c].compare(b.key[c]);
            if (cmp != 0)
                return o.descending ? cmp > 0 : cmp < 0;
        }
        return o.descending && !o.idAscending ? a.id > b.id : a.id < b.id;
    };
    const Row mine = keyOf(id);
    size_t lo = 0;
    size_t hi = rows_.size();
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        if (less(keyOf(rows_[mid]), mine))
            lo = mid + 1;
        else
            hi = mid;
    }
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(lo), id);
    ++listVersion_;
    pos_ = static_cast<int>(lo);
    bof_ = eof_ = false;
}

void Table::cancel() {
    if (!editing())
        return;
    state_ = State::Browse;
    modified_ = false;
    std::fill(dirty_.begin(), dirty_.end(), false);
    clearBuffer();
    notifyState();
    notifyRecord();
    if (afterCancel)
        afterCancel(*this);
}

void Table::remove() {
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (!hasCurrent())
        return;
    const int64_t id = currentId();
    {
        Database::Transaction tx(db_);
        Statement st = db_.prepare("DELETE FROM " + Database::quote(name_) + " WHERE \"ID\"=?");
        st.bind(1, id);
        st.step();
        tx.commit();
    }
    state_ = State::Browse;
    modified_ = false;
    rows_.erase(rows_.begin() + pos_);
    ++listVersion_;
    if (pos_ >= recordCount())
        pos_ = recordCount() - 1;
    bof_ = pos_ <= 0;
    eof_ = rows_.empty();
    clearBuffer();
    notifyState();
    notifyRecord();
}

// ---- notifications

int Table::subscribe(Listener listener) {
    listeners_[nextListener_] = std::move(listener);
    return nextListener_++;
}

void Table::unsubscribe(int id) {
    listeners_.erase(id);
}

void Table::notifyRecord() {
    for (auto& [id, l] : std::map(listeners_))
        if (l.recordChanged)
            l.recordChanged();
}

void Table::notifyField(int field) {
    for (auto& [id, l] : std::map(listeners_))
        if (l.fieldChanged)
            l.fieldChanged(field);
}

void Table::notifyState() {
    for (auto& [id, l] : std::map(listeners_))
        if (l.stateChanged)
            l.stateChanged();
}

} // namespace torvane::store
