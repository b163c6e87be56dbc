#include "input/PostalImport.h"

#include "common/SettingsFile.h"
#include "common/Sjis.h"
#include "input/Cp932Search.h"
#include "input/CsvLines.h"
#include "store/Database.h"

#include <string_view>
#include <vector>

namespace torvane::input {
namespace {

constexpr size_t MaxColumns = 50;

void bindCp932(store::Statement& st, int index, std::string_view cp932) {
    if (auto utf8 = sjis::toUtf8(cp932))
        st.bindText(index, *utf8);
    else
        st.bindBlob(index, cp932); // kept as its bytes, as the table keeps such text
}

} // namespace

PostalColumns readPostalColumns(const std::filesystem::path& dataDirectory) {
    PostalColumns c;
    const auto lines = settings::read(dataDirectory / PostalColumnsFile);
    if (!lines)
        return c;
    c.code = settings::leadingInteger(lines->line(1));
    for (size_t i = 0; i < c.address.size(); ++i)
        c.address[i] = settings::leadingInteger(lines->line(i + 2));
    return c;
}

int importPostData(store::Database& db, const std::filesystem::path& csv,
                   const PostalColumns& columns) {
    const sjis::Bytes quotedNotListed = "\"" + sjis::lit("以下に掲載がない場合") + "\"";
    const sjis::Bytes wholeArea = sjis::lit("一円");

    CsvLines lines(csv);
    store::Database::Transaction transaction(db);
    db.exec("DELETE FROM \"PostData\"");
    store::Statement insert =
        db.prepare("INSERT INTO \"PostData\" (\"郵便番号７桁\", \"住所\") VALUES (?, ?)");

    std::vector<std::string_view> cols;
    sjis::Bytes address;
    int rows = 0;
    std::string_view line;
    while (lines.next(line)) {
        // One more than kept, to tell whether the fiftieth column is the line's last.
        splitColumns(line, cols, MaxColumns + 1);
        const bool cutOff = cols.size() > MaxColumns;
        if (cutOff)
            cols.resize(MaxColumns);
        auto column = [&](int number) -> std::string_view {
            if (number < 1 || static_cast<size_t>(number) > cols.size())
                return {};
            const std::string_view raw = cols[static_cast<size_t>(number - 1)];
            if (static_cast<size_t>(number) == cols.size() && !cutOff)
                return raw; // the last column as it is
            if (raw == quotedNotListed || cp932::contains(raw, wholeArea))
                return {};
            if (!raw.empty() && raw.front() == '"')
                return raw.size() >= 2 ? raw.substr(1, raw.size() - 2) : std::string_view();
            return raw;
        };
        address.clear();
        for (int n : columns.address)
            address.append(column(n));
        bindCp932(insert, 1, column(columns.code));
        bindCp932(insert, 2, address);
        insert.step();
        insert.reset();
        ++rows;
    }
    transaction.commit();
    return rows;
}

} // namespace torvane::input
