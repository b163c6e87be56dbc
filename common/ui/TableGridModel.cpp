#include "common/ui/TableGridModel.h"

#include "common/Sjis.h"

namespace torvane::ui {
namespace {
constexpr size_t CacheRows = 512;
}

TableGridModel::TableGridModel(DataLink& link, std::vector<int> fields, bool idColumn,
                               QObject* parent)
    : QAbstractTableModel(parent)
    , link_(link)
    , fields_(std::move(fields))
    , idColumn_(idColumn)
    , rows_(link.table().recordCount()) {
    connect(&link_, &DataLink::recordChanged, this, &TableGridModel::listChanged);
    connect(&link_, &DataLink::fieldChanged, this, &TableGridModel::currentFieldChanged);
}

int TableGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int TableGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(fields_.size()) + (idColumn_ ? 1 : 0);
}

int TableGridModel::fieldOf(int column) const {
    const int i = column - (idColumn_ ? 1 : 0);
    return i < 0 || i >= static_cast<int>(fields_.size()) ? -1 : fields_[static_cast<size_t>(i)];
}

const std::vector<store::Value>& TableGridModel::row(int position) const {
    auto it = cache_.find(position);
    if (it != cache_.end())
        return it->second;
    if (cache_.size() >= CacheRows) {
        cache_.erase(order_.front());
        order_.pop_front();
    }
    order_.push_back(position);
    return cache_.emplace(position, link_.table().readRow(position)).first->second;
}

QVariant TableGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_)
        return {};
    if (role != Qt::DisplayRole && role != Qt::TextAlignmentRole)
        return {};
    const int field = fieldOf(index.column());
    if (field < 0)
        return {};
    const store::Value& v = row(index.row())[static_cast<size_t>(field)];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(
            (v.isInteger() || v.isReal() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    return sjis::toQString(v.textForm());
}

QVariant TableGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    const int field = fieldOf(section);
    if (field < 0)
        return QStringLiteral("ID");
    return QString::fromStdString(link_.table().field(field).name);
}

int TableGridModel::currentRow() const {
    return link_.table().recNo() - 1;
}

void TableGridModel::listChanged() {
    const int count = link_.table().recordCount();
    if (count != rows_) {
        beginResetModel();
        rows_ = count;
        cache_.clear();
        order_.clear();
        endResetModel();
        return;
    }
    // Same number of rows: a move, or a post that may have changed one row's values.
    cache_.clear();
    order_.clear();
    if (rows_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
}

void TableGridModel::currentFieldChanged() {
    const int r = currentRow();
    if (r < 0)
        return;
    cache_.erase(r);
    emit dataChanged(index(r, 0), index(r, columnCount() - 1));
}

} // namespace torvane::ui
