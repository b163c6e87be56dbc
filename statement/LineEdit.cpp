#include "statement/LineEdit.h"

#include "statement/StatementRecord.h"
#include "store/Table.h"

namespace torvane::statement {
namespace {

constexpr SlotField SixFields[] = {SlotField::Name,      SlotField::Quantity,
                                   SlotField::UnitPrice, SlotField::PartsAmount,
                                   SlotField::Hours,     SlotField::LabourAmount};

void copySlot(store::Table& t, int from, int to) {
    for (SlotField f : SixFields)
        t.setValue(t.requireField(slotFieldName(f, to)), t.value(slotFieldName(f, from)));
}

void emptySlot(store::Table& t, int n) {
    for (SlotField f : SixFields)
        t.setNull(slotFieldName(f, n));
}

void recalculate(store::Table& t, const LiveSettings& live) {
    DataCalc(t, 0, live);
    PartCalc(t, 0, live);
}

} // namespace

void insertLine(store::Table& t, int n, const LiveSettings& live) {
    const int last = usableSlots(live.expenseSlotCount);
    if (n < 1 || n > last)
        return;
    if (!t.editing())
        t.edit();
    for (int s = last; s >= n + 1; --s)
        copySlot(t, s - 1, s);
    emptySlot(t, n);
    recalculate(t, live);
}

void deleteLine(store::Table& t, int n, const LiveSettings& live) {
    const int last = usableSlots(live.expenseSlotCount);
    if (n < 1 || n > last)
        return;
    if (!t.editing())
        t.edit();
    for (int s = n + 1; s <= last; ++s)
        copySlot(t, s, s - 1);
    emptySlot(t, last);
    recalculate(t, live);
}

void directLabour(store::Table& t, int n, const sjis::Bytes& text, const LiveSettings& live) {
    if (!t.editing())
        t.edit();
    t.setText(slotFieldName(SlotField::LabourAmount, n), text);
    DataCalc(t, 0, live);
}

} // namespace torvane::statement
