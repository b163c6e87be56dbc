#pragma once

// A grid over a table: one row per record of the cursor's list, one column per chosen
// field (optionally led by an empty column for the hidden record id). Rows are read
// when the view asks for them and a few hundred are kept, so a list of 100,000 records
// opens and scrolls without delay.

#include "common/ui/DataLink.h"

#include <QAbstractTableModel>

#include <list>
#include <unordered_map>
#include <vector>

namespace torvane::ui {

class TableGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // `fields` are field indexes of the link's table, in the order shown.
    TableGridModel(DataLink& link, std::vector<int> fields, bool idColumn,
                   QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The row of the current record; -1 when there is none.
    int currentRow() const;

private:
    const std::vector<store::Value>& row(int position) const;
    // The table's field shown in a column; -1 for the id column.
    int fieldOf(int column) const;
    void listChanged();
    void currentFieldChanged();

    DataLink& link_;
    std::vector<int> fields_;
    bool idColumn_;
    int rows_ = 0;
    // A small cache of rows read, dropped whenever the list changes.
    mutable std::unordered_map<int, std::vector<store::Value>> cache_;
    mutable std::list<int> order_;
};

} // namespace torvane::ui
