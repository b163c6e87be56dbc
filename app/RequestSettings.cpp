#include "app/RequestSettings.h"

namespace torvane {

RequestSettings RequestSettings::fromLines(const std::optional<SettingsLines>& lines) {
    RequestSettings s;
    if (!lines)
        return s;
    s.checkInDate = settings::flag(lines->line(1));
    s.checkMileage = settings::flag(lines->line(2));
    s.settleDay = settings::leadingInteger(lines->line(3));
    s.periodBackup = settings::flag(lines->line(4));
    if (!lines->line(5).empty())
        s.selectField = lines->line(5);
    // A file of five lines (written before the optional fields existed) leaves them off.
    s.receptionSerial = lines->count() >= 6 ? settings::leadingInteger(lines->line(6)) : 0;
    return s;
}

std::vector<sjis::Bytes> RequestSettings::toLines() const {
    return {settings::flagText(checkInDate),
            settings::flagText(checkMileage),
            std::to_string(settleDay),
            settings::flagText(periodBackup),
            selectField,
            receptionSerial >= 1 ? "1" : "0"};
}

bool RequestSettings::isMenuSettleDay(int day) {
    return day == 0 || day == 5 || day == 10 || day == 15 || day == 20 || day == 25;
}

} // namespace torvane
