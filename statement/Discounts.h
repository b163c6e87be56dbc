#pragma once

// Discount lines: an item line named with the discount caption takes off an odd amount so
// that the amount billed ends in zeros; one named with the special discount caption takes
// off a percentage of the labour total. Both are written as a negative labour amount.

#include "common/Sjis.h"
#include "statement/Calculation.h"

#include <array>
#include <string>

namespace torvane::statement {

// The two dialogs of the discount check, as the check needs them.
class DiscountDialogs {
public:
    struct ServiceAnswer {
        sjis::Bytes typed; // the amount billed wanted, as typed
        int choice = -1;   // 0..3, or -1 for none
    };
    virtual ~DiscountDialogs() = default;
    // The ordinary discount: four choices, none preselected, and an input box.
    virtual ServiceAnswer askService(const std::array<sjis::Bytes, 4>& choices) = 0;
    // The special discount: the percentage box's text.
    virtual sjis::Bytes askSpecialPercent() = 0;
    // Why no discount was written.
    virtual void tell(const std::string& message) = 0;
};

struct DiscountCaptions {
    sjis::Bytes service = sjis::lit("値引き");
    sjis::Bytes specialService = sjis::lit("特別値引き");
};

// The four choices for an amount billed B: its last 1, 2, 3 and 4 characters followed by
// "円" (all of B where it is shorter).
std::array<sjis::Bytes, 4> serviceChoices(const sjis::Bytes& billed);

// The discount check of slot n: does nothing unless the slot is a fresh discount line
// (named exactly with one of the captions, parts and labour amounts 0).
void ServiceCheck(store::Table& statement, int n, const LiveSettings& live,
                  const DiscountCaptions& captions, DiscountDialogs& dialogs);

} // namespace torvane::statement
