#include "store/Value.h"

#include "common/Numbers.h"

namespace torvane::store {

sjis::Bytes Value::textForm() const {
    if (isNull())
        return {};
    if (isInteger())
        return numbers::format(integer());
    if (isReal())
        return numbers::format(real());
    return text();
}

double Value::number() const {
    if (isInteger())
        return static_cast<double>(integer());
    if (isReal())
        return real();
    if (isText())
        return numbers::parseDecimal(text()).value_or(0.0);
    return 0.0;
}

} // namespace torvane::store
