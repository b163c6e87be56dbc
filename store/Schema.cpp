#include "store/Schema.h"

#include <map>

namespace torvane::store::schema {
namespace {

using T = FieldType;

std::vector<FieldDef> buildRequestStandard() {
    std::vector<FieldDef> f = {
        {"種別", T::Text},         {"作成日", T::Text},         {"入庫日", T::Text},
        {"出庫日", T::Text},       {"タイトル", T::Text},       {"ふりがな", T::Text},
        {"氏名", T::Text},         {"郵便番号", T::Text},       {"住所", T::Text},
        {"電話番号", T::Text},     {"自動車登録番号", T::Text}, {"車名", T::Text},
        {"走行距離", T::Text},     {"コメント", T::Text},       {"初度登録", T::Text},
        {"型式", T::Text},         {"型式指定番号", T::Text},   {"車台番号", T::Text},
        {"原動機の型式", T::Text}, {"類別区分番号", T::Text},   {"車検", T::Flag},
        {"自賠責", T::Integer},    {"重量税", T::Integer},      {"印紙代", T::Integer},
        {"諸費用", T::Integer},    {"車検合計", T::Integer},    {"お預り", T::Integer},
    };
    for (int n = 1; n <= ItemSlotCount; ++n) {
        const std::string s = std::to_string(n);
        f.push_back({"作業内容" + s, T::Text});
        f.push_back({"数量" + s, T::Number});
        f.push_back({"単価" + s, T::Integer});
        f.push_back({"部品代" + s, T::Number});
        f.push_back({"時間" + s, T::Number});
        f.push_back({"作業工賃" + s, T::Number});
    }
    const std::vector<FieldDef> tail = {
        {"部品代合計", T::Integer}, {"作業工賃合計", T::Integer}, {"消費税", T::Integer},
        {"調整額", T::Integer},     {"請求額", T::Integer},       {"受付担当", T::Text},
        {"整備担当", T::Text},
    };
    f.insert(f.end(), tail.begin(), tail.end());
    return f;
}

std::vector<FieldDef> numbered(const std::string& prefix, int from, int to, FieldType type) {
    std::vector<FieldDef> f;
    for (int i = from; i <= to; ++i)
        f.push_back({prefix + std::to_string(i), type});
    return f;
}

void append(std::vector<FieldDef>& to, const std::vector<FieldDef>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

std::vector<TableDef> buildTables() {
    std::vector<TableDef> t;

    TableDef request{"Request", requestStandardFields(), {}, {}, {}};
    append(request.fields, requestOptionalFields());
    request.fields.push_back({"項番", T::Integer});
    request.orders = {{"", {"項番"}, false}, {"降順", {"項番"}, true}};
    // The list filters of the month tabs, the filter entries and the customer tab look at
    // these; carrying them in the order's index keeps a filter from reading whole rows.
    request.coveringColumns = {"作成日", "種別", "氏名", "自動車登録番号", "請求額"};
    t.push_back(request);

    TableDef item{
        "ReqItem",
        {{"項目名", T::Text}, {"分類名", T::Text}, {"コード", T::Integer}, {"コメント1", T::Text}},
        // "回数": the most used first; items used equally often in the master's own order.
        {{"", {}, false}, {"回数", {"引用回数"}, true, true}},
        {},
        {}};
    append(item.fields, numbered("時間", 1, VehicleClassCapacity, T::Number));
    append(item.fields, numbered("単価", 1, VehicleClassCapacity, T::Integer));
    item.fields.push_back({"引用回数", T::Integer});
    item.fields.push_back({"在庫数", T::Integer});
    t.push_back(item);

    TableDef len{"ReqLen", {}, {{"", {}, false}}, {}, {}};
    for (const auto& f : request.fields)
        if (f.name != "項番")
            len.fields.push_back({f.name, T::Integer});
    t.push_back(len);

    TableDef expense{"ReExpense", {{"項目名", T::Text}}, {{"", {}, false}}, {}, {}};
    append(expense.fields, numbered("諸費用", 1, VehicleClassCapacity, T::Integer));
    t.push_back(expense);

    t.push_back({"ReqSort", {{"項目1", T::Text}}, {{"", {}, false}}, {"項目1"}, {}});
    t.push_back({"ReqData", {{"項目1", T::Text}, {"項目2", T::Text}}, {{"", {}, false}}, {}, {}});

    TableDef prt{"RePrtData",
                 {{"印刷名", T::Text},
                  {"印刷フォーム", T::Text},
                  {"印刷サイズＸ", T::Integer},
                  {"印刷サイズＹ", T::Integer}},
                 {{"", {}, false}},
                 {},
                 {}};
    append(prt.fields, numbered("項目", 1, 240, T::Text));
    append(prt.fields, {{"日付の幅", T::Integer},
                        {"日付の表示", T::Flag},
                        {"印刷フォームの印刷", T::Flag},
                        {"連続印刷", T::Flag}});
    t.push_back(prt);
    t.push_back({"RePrtPosX", numbered("Ｘ座標", 1, 240, T::Integer), {{"", {}, false}}, {}, {}});
    t.push_back({"RePrtPosY", numbered("Ｙ座標", 1, 240, T::Integer), {{"", {}, false}}, {}, {}});
    t.push_back({"RePrtSize", numbered("サイズ", 1, 240, T::Integer), {{"", {}, false}}, {}, {}});

    t.push_back(
        {"PostData",
         {{"郵便番号７桁", T::Text}, {"住所", T::Text}},
         // The postal-code window looks rows up by the beginning of either field.
         {{"", {}, false}, {"郵便番号７桁", {"郵便番号７桁"}, false}, {"住所", {"住所"}, false}},
         {},
         {}});

    TableDef ledger{"INDATA", {}, {{"", {}, false}}, {}, {}};
    for (const char* name : {"電話番号", "使用者住所", "使用者ふりがな", "使用者", "所有者",
                             "所有者住所", "自動車登録番号", "車名", "初度登録年月", "車台番号",
                             "型式", "原動機の型式", "自動車型式指定番号", "類別区分番号",
                             "有効期間の満了する日", "自動車の種別", "用途", "自家用事業用の別"})
        ledger.fields.push_back({name, T::Text});
    for (const char* name : {"最大積載量", "車両重量", "車両総重量", "総重量"})
        ledger.fields.push_back({name, T::Integer});
    ledger.fields.push_back({"備考", T::Text});
    t.push_back(ledger);

    const char* uses[] = {"乗用", "貨物", "特種", "乗合", "特殊"};
    TableDef fees{"Expense", {}, {{"", {}, false}}, {}, {}};
    for (const char* kind : {"自賠責", "検査印紙", "諸費用"})
        for (const char* use : uses)
            append(fees.fields, numbered(std::string(kind) + use, 1, 8, T::Integer));
    fees.fields.push_back({"仮ナンバー", T::Integer});
    t.push_back(fees);

    TableDef weight{"WeightTax", {}, {{"", {}, false}}, {}, {}};
    for (const char* use : uses) {
        const std::string base = std::string("重量税") + use;
        append(weight.fields, numbered(base + "数値", 1, 13, T::Integer));
        append(weight.fields, numbered(base, 1, std::string(use) == "特種" ? 52 : 26, T::Integer));
    }
    for (const char* name : {"重量税軽", "重量税軽貨物", "重量税二輪", "重量税二輪事業用"})
        weight.fields.push_back({name, T::Integer});
    t.push_back(weight);

    return t;
}

} // namespace

const std::vector<FieldDef>& requestStandardFields() {
    static const std::vector<FieldDef> fields = buildRequestStandard();
    return fields;
}

const std::vector<FieldDef>& requestOptionalFields() {
    static const std::vector<FieldDef> fields = {
        {"受付番号", T::Text}, {"車検期限", T::Text}, {"点検日", T::Text}};
    return fields;
}

const std::vector<TableDef>& tables() {
    static const std::vector<TableDef> all = buildTables();
    return all;
}

const TableDef* table(const std::string& name) {
    for (const auto& t : tables())
        if (t.name == name)
            return &t;
    return nullptr;
}

} // namespace torvane::store::schema
