#include "statement/CopyStatement.h"

#include "common/Sjis.h"
#include "store/Schema.h"
#include "store/Table.h"

namespace torvane::statement {

void copyStatement(store::Table& t, const std::vector<std::string>& fields) {
    if (fields.empty())
        return;
    std::vector<std::pair<std::string, sjis::Bytes>> texts;
    for (const auto& name : fields) {
        const auto utf8 = sjis::toUtf8(name);
        const std::string field = utf8 ? *utf8 : name;
        texts.emplace_back(field, t.text(field));
    }
    t.append();
    for (const auto& [field, text] : texts)
        t.setText(field, text);
}

std::vector<std::string> copyableFields() {
    std::vector<std::string> out;
    for (const auto& f : store::schema::requestStandardFields())
        out.push_back(sjis::lit(f.name));
    return out;
}

} // namespace torvane::statement
