#pragma once

// The statements of the list tab: one row per statement under the current filter, one
// column per field of the table (the hidden first column is the record's id). Rows are
// read when the view asks for them, so 100,000 statements scroll without delay.

#include "common/ui/DataLink.h"

#include <QAbstractTableModel>

#include <list>
#include <unordered_map>
#include <vector>

namespace torvane::listing {

class StatementListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StatementListModel(ui::DataLink& link, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The row of the current record; -1 when there is none.
    int currentRow() const;

private:
    const std::vector<store::Value>& row(int position) const;
    void listChanged();
    void currentFieldChanged();

    ui::DataLink& link_;
    int rows_ = 0;
    // A small cache of rows read, dropped whenever the list changes.
    mutable std::unordered_map<int, std::vector<store::Value>> cache_;
    mutable std::list<int> order_;
};

} // namespace torvane::listing
