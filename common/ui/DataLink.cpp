#include "common/ui/DataLink.h"

namespace torvane::ui {

DataLink::DataLink(store::Table& table, QObject* parent)
    : QObject(parent)
    , table_(table) {
    const auto recordChanged = [this] {
        // The boxes read every field of the record: one query for all of them.
        table_.loadCurrent();
        emit this->recordChanged();
    };
    subscription_ = table_.subscribe({recordChanged, [this](int f) { emit fieldChanged(f); },
                                      [this] { emit stateChanged(); }});
}

DataLink::~DataLink() {
    table_.unsubscribe(subscription_);
}

void DataLink::ensureEditing() {
    if (!table_.editing())
        table_.edit();
}

} // namespace torvane::ui
