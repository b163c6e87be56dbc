#include "listing/StatementListModel.h"

#include "common/Sjis.h"

namespace torvane::listing {
namespace {
constexpr size_t CacheRows = 512;
}

StatementListModel::StatementListModel(ui::DataLink& link, QObject* parent)
    : QAbstractTableModel(parent)
    , link_(link)
    , rows_(link.table().recordCount()) {
    connect(&link_, &ui::DataLink::recordChanged, this, &StatementListModel::listChanged);
    connect(&link_, &ui::DataLink::fieldChanged, this, &StatementListModel::currentFieldChanged);
}

int StatementListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int StatementListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : link_.table().fieldCount() + 1;
}

const std::vector<store::Value>& StatementListModel::row(int position) const {
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

QVariant StatementListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_)
        return {};
    if (role != Qt::DisplayRole && role != Qt::TextAlignmentRole)
        return {};
    if (index.column() == 0)
        return role == Qt::DisplayRole ? QVariant() : QVariant();
    const store::Value& v = row(index.row())[static_cast<size_t>(index.column() - 1)];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(
            (v.isInteger() || v.isReal() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    return sjis::toQString(v.textForm());
}

QVariant StatementListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return QStringLiteral("ID");
    return QString::fromStdString(link_.table().field(section - 1).name);
}

int StatementListModel::currentRow() const {
    return link_.table().recNo() - 1;
}

void StatementListModel::listChanged() {
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

void StatementListModel::currentFieldChanged() {
    const int r = currentRow();
    if (r < 0)
        return;
    cache_.erase(r);
    emit dataChanged(index(r, 0), index(r, columnCount() - 1));
}

} // namespace torvane::listing
