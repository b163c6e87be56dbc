#pragma once

// The tables of the workshop's database and their fields.

#include <string>
#include <vector>

namespace torvane::store {

enum class FieldType {
    Text,    // free text (CP932 in the program, UTF-8 in the file)
    Integer, // whole number (whole yen, counts, codes)
    Number,  // decimal number that may hold a fraction
    Flag,    // the texts "True" / "False"
};

struct FieldDef {
    std::string name; // UTF-8
    FieldType type;
};

// One named order of a table: the columns that sort it, all ascending or all descending;
// ID always comes last as the tie-breaker, in the same direction unless `idAscending`.
struct OrderDef {
    std::string name; // empty for the primary order
    std::vector<std::string> columns;
    bool descending = false;
    bool idAscending = false;
};

struct TableDef {
    std::string name;
    std::vector<FieldDef> fields;           // after the hidden first column "ID"
    std::vector<OrderDef> orders;           // orders[0] is the primary order
    std::vector<std::string> uniqueColumns; // a key that refuses duplicates
    // Extra columns an SQL index carries so that filters over them need not read rows.
    std::vector<std::string> coveringColumns;
};

namespace schema {

inline constexpr int Version = 1;
inline constexpr int ApplicationId = 0x54525631; // "TRV1"

// Every table, in the order they are created.
const std::vector<TableDef>& tables();
const TableDef* table(const std::string& name);

// The statement fields in their standard order (the 244 columns of a backup).
const std::vector<FieldDef>& requestStandardFields();
// The optional fields 受付番号, 車検期限, 点検日.
const std::vector<FieldDef>& requestOptionalFields();

// How many vehicle classes the item master and the expense table carry hours and prices
// for (時間1..n, 単価1..n, 諸費用1..n).
inline constexpr int VehicleClassCapacity = 10;

inline constexpr int ItemSlotCount = 35;

} // namespace schema
} // namespace torvane::store
