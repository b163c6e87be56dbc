#pragma once

// The statements of the list tab: one row per statement under the current filter, one
// column per field of the table (the hidden first column is the record's id). Rows are
// read when the view asks for them, so 100,000 statements scroll without delay.

#include "common/ui/TableGridModel.h"

namespace torvane::listing {

class StatementListModel : public ui::TableGridModel {
    Q_OBJECT
public:
    explicit StatementListModel(ui::DataLink& link, QObject* parent = nullptr);
};

} // namespace torvane::listing
