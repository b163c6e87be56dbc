#pragma once

// The amounts of a statement: every line's parts and labour amount, the totals, the
// consumption tax, the inspection total, the adjustment and the amount billed. Each
// routine writes its results into the current statement's fields, starting an edit when
// the statement is not being edited.

#include "common/Sjis.h"

#include <cstdint>

namespace torvane::store {
class Table;
}

namespace torvane::statement {

// The settings in force at the moment of a calculation (the live values of the rate and
// tax dialogs and of the hidden labels).
struct LiveSettings {
    int32_t labourRate = 0;      // yen per hour
    int32_t taxPercent = 5;      // whole percent
    sjis::Bytes taxExemptMarker; // an item whose name contains it is not taxed
    int expenseSlotCount = 0;    // slots above 35 − this are expense rows
};

// Slot n's 部品代n (when n > 0), then 部品代合計, 消費税 and 請求額.
void PartCalc(store::Table& statement, int n, const LiveSettings& live);
// Slot n's 作業工賃n (when n > 0 and it has hours), then 作業工賃合計, 消費税 and 請求額.
void DataCalc(store::Table& statement, int n, const LiveSettings& live);

// Leaving 調整額: 請求額 from the totals, the tax and the adjustment; the tax stays.
void AdjustmentStep(store::Table& statement);
// Leaving an inspection fee or expense box: 車検合計, then 調整額 and 請求額.
void InspectionStep(store::Table& statement, const LiveSettings& live);
// Leaving お預り: 調整額 and 請求額 (車検合計 stays).
void DepositStep(store::Table& statement);

// The consumption tax on a taxable base: (percent × base + 50) / 100 in 32-bit integer
// arithmetic, the quotient truncated toward zero.
int32_t consumptionTax(int32_t percent, int32_t base);

// 32-bit signed arithmetic that wraps as the workshop's old machines did instead of
// being undefined.
int32_t add32(int32_t a, int32_t b);
int32_t sub32(int32_t a, int32_t b);
int32_t mul32(int32_t a, int32_t b);

} // namespace torvane::statement
