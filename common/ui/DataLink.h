#pragma once

// Binds windows to a table: one link per table turns the table's notifications into Qt
// signals, and the data-aware boxes below listen to it.

#include "store/Table.h"

#include <QObject>

namespace torvane::ui {

class DataLink : public QObject {
    Q_OBJECT
public:
    explicit DataLink(store::Table& table, QObject* parent = nullptr);
    ~DataLink() override;

    store::Table& table() const { return table_; }

    // Starts editing the current record when it is not being edited already (an empty
    // list gets a new record).
    void ensureEditing();

signals:
    void recordChanged();
    void fieldChanged(int field);
    void stateChanged();

private:
    store::Table& table_;
    int subscription_;
};

} // namespace torvane::ui
