#include "statement/Calculation.h"

#include "common/Numbers.h"
#include "statement/StatementRecord.h"
#include "store/Table.h"

namespace torvane::statement {
namespace {

int32_t yenOf(const store::Table& t, const std::string& field) {
    return static_cast<int32_t>(t.integer(field));
}

void ensureEditing(store::Table& t) {
    if (!t.editing())
        t.edit();
}

// The shared tail of PartCalc and DataCalc: the tax on the taxable part of S, then the
// amount billed.
void taxAndBilled(store::Table& t, int32_t s, const LiveSettings& live) {
    int32_t taxable = s;
    const int last = usableSlots(live.expenseSlotCount);
    if (!live.taxExemptMarker.empty()) {
        for (int i = 1; i <= last; ++i) {
            const sjis::Bytes name = t.text(slotFieldName(SlotField::Name, i));
            if (name.find(live.taxExemptMarker) == sjis::Bytes::npos)
                continue;
            taxable = sub32(taxable, yenOf(t, slotFieldName(SlotField::PartsAmount, i)));
            taxable = sub32(taxable, yenOf(t, slotFieldName(SlotField::LabourAmount, i)));
        }
    }
    const int32_t tax = consumptionTax(live.taxPercent, taxable);
    t.setInteger("消費税", tax);
    t.setInteger("請求額", add32(add32(tax, s), yenOf(t, "調整額")));
}

int32_t sumOf(const store::Table& t, SlotField field, int last) {
    int32_t sum = 0;
    for (int i = 1; i <= last; ++i)
        sum = add32(sum, yenOf(t, slotFieldName(field, i)));
    return sum;
}

void billedFromTotals(store::Table& t) {
    const int32_t billed = add32(add32(yenOf(t, "作業工賃合計"), yenOf(t, "部品代合計")),
                                 add32(yenOf(t, "消費税"), yenOf(t, "調整額")));
    t.setInteger("請求額", billed);
}

} // namespace

int32_t add32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t sub32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

int32_t mul32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

int32_t consumptionTax(int32_t percent, int32_t base) {
    // C++ division truncates toward zero, as the rule wants.
    return add32(mul32(percent, base), 50) / 100;
}

void PartCalc(store::Table& t, int n, const LiveSettings& live) {
    ensureEditing(t);
    if (n > 0) {
        const double amount =
            static_cast<double>(yenOf(t, slotFieldName(SlotField::UnitPrice, n))) *
            t.number(slotFieldName(SlotField::Quantity, n));
        t.setNumber(slotFieldName(SlotField::PartsAmount, n), numbers::round15(amount));
    }
    const int32_t parts = sumOf(t, SlotField::PartsAmount, usableSlots(live.expenseSlotCount));
    t.setInteger("部品代合計", parts);
    taxAndBilled(t, add32(yenOf(t, "作業工賃合計"), parts), live);
}

void DataCalc(store::Table& t, int n, const LiveSettings& live) {
    if (n > 0) {
        ensureEditing(t);
        const double x =
            static_cast<double>(live.labourRate) * t.number(slotFieldName(SlotField::Hours, n));
        // No hours: a labour amount typed directly or a discount stays as it is.
        if (x != 0)
            t.setNumber(slotFieldName(SlotField::LabourAmount, n), numbers::round15(x));
    }
    ensureEditing(t);
    const int32_t labour = sumOf(t, SlotField::LabourAmount, usableSlots(live.expenseSlotCount));
    t.setInteger("作業工賃合計", labour);
    taxAndBilled(t, add32(labour, yenOf(t, "部品代合計")), live);
}

void AdjustmentStep(store::Table& t) {
    ensureEditing(t);
    billedFromTotals(t);
}

void InspectionStep(store::Table& t, const LiveSettings& live) {
    ensureEditing(t);
    int32_t total = 0;
    for (const char* fee : {"自賠責", "重量税", "印紙代", "諸費用"})
        total = add32(total, yenOf(t, fee));
    for (int k = 0; k < live.expenseSlotCount; ++k) {
        const int s = SlotCount - k;
        for (SlotField f : {SlotField::PartsAmount, SlotField::LabourAmount, SlotField::UnitPrice})
            total = add32(total, yenOf(t, slotFieldName(f, s)));
    }
    t.setInteger("車検合計", total);
    DepositStep(t);
}

void DepositStep(store::Table& t) {
    ensureEditing(t);
    t.setInteger("調整額", sub32(yenOf(t, "車検合計"), yenOf(t, "お預り")));
    billedFromTotals(t);
}

} // namespace torvane::statement
