#include "listing/StatementListModel.h"

#include <numeric>

namespace torvane::listing {
namespace {

std::vector<int> everyField(const store::Table& table) {
    std::vector<int> fields(static_cast<size_t>(table.fieldCount()));
    std::iota(fields.begin(), fields.end(), 0);
    return fields;
}

} // namespace

StatementListModel::StatementListModel(ui::DataLink& link, QObject* parent)
    : ui::TableGridModel(link, everyField(link.table()), true, parent) {}

} // namespace torvane::listing
