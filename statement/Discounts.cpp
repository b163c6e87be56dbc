#include "statement/Discounts.h"

#include "common/SettingsFile.h"
#include "statement/StatementRecord.h"
#include "store/Table.h"

namespace torvane::statement {
namespace {

bool isFresh(const store::Table& t, int n) {
    return t.integer(slotFieldName(SlotField::PartsAmount, n)) == 0 &&
           t.integer(slotFieldName(SlotField::LabourAmount, n)) == 0;
}

void ordinaryDiscount(store::Table& t, int n, const LiveSettings& live, DiscountDialogs& dialogs) {
    const std::array<sjis::Bytes, 4> choices = serviceChoices(t.text("請求額"));
    const auto answer = dialogs.askService(choices);

    int64_t discount = 0;
    const int wanted = settings::leadingInteger(answer.typed);
    if (wanted != 0)
        discount = t.integer("請求額") - wanted;
    else if (answer.choice >= 0 && answer.choice < 4)
        discount = settings::leadingInteger(choices[static_cast<size_t>(answer.choice)]);
    if (discount == 0)
        return;
    const int32_t divisor = sub32(-100, live.taxPercent);
    if (divisor == 0) {
        dialogs.tell("消費税が -100% のため、値引きを計算できません。\n"
                     "消費税の設定を確かめてください。");
        return;
    }
    const std::string labour = slotFieldName(SlotField::LabourAmount, n);
    const int32_t d = static_cast<int32_t>(discount);
    int32_t amount = mul32(d, 100) / divisor;
    if (!t.editing())
        t.edit();
    t.setInteger(labour, amount);
    DataCalc(t, 0, live);

    // One-yen correction: the tax's rounding may leave 1 or 9 at the end.
    const sjis::Bytes after = t.text("請求額");
    const char last = after.empty() ? '0' : after.back();
    if (last == '0')
        return;
    if (last == '1')
        amount = sub32(amount, 1);
    else if (last == '9')
        amount = add32(amount, 1);
    t.setInteger(labour, amount);
    DataCalc(t, 0, live);
}

void specialDiscount(store::Table& t, int n, const LiveSettings& live, DiscountDialogs& dialogs) {
    const int percent = settings::leadingInteger(dialogs.askSpecialPercent());
    if (percent == 0)
        return;
    const int32_t labourTotal = static_cast<int32_t>(t.integer("作業工賃合計"));
    if (!t.editing())
        t.edit();
    t.setInteger(slotFieldName(SlotField::LabourAmount, n),
                 mul32(percent, sub32(0, labourTotal)) / 100);
    DataCalc(t, 0, live);
}

} // namespace

std::array<sjis::Bytes, 4> serviceChoices(const sjis::Bytes& billed) {
    std::array<sjis::Bytes, 4> out;
    for (size_t k = 1; k <= 4; ++k) {
        const size_t take = std::min(k, billed.size());
        out[k - 1] = billed.substr(billed.size() - take) + sjis::lit("円");
    }
    return out;
}

void ServiceCheck(store::Table& t, int n, const LiveSettings& live,
                  const DiscountCaptions& captions, DiscountDialogs& dialogs) {
    const sjis::Bytes name = t.text(slotFieldName(SlotField::Name, n));
    if (name == captions.service && isFresh(t, n))
        ordinaryDiscount(t, n, live, dialogs);
    if (name == captions.specialService && isFresh(t, n))
        specialDiscount(t, n, live, dialogs);
}

} // namespace torvane::statement
