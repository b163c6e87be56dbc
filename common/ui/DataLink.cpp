#include "common/ui/DataLink.h"

namespace torvane::ui {

DataLink::DataLink(store::Table& table, QObject* parent)
    : QObject(parent)
    , table_(table) {
    subscription_ =
        table_.subscribe({[this] { emit recordChanged(); }, [this](int f) { emit fieldChanged(f); },
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
