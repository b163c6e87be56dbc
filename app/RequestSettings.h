#pragma once

// Request.INI: the main window's settings, six line values.

#include "common/SettingsFile.h"
#include "common/Sjis.h"

#include <optional>
#include <vector>

namespace torvane {

struct RequestSettings {
    bool checkInDate = false;  // 入力確認 → 入庫日
    bool checkMileage = false; // 入力確認 → 走行距離
    int settleDay = 0;         // 0 = month end
    bool periodBackup = false; // バックアップ方法 → 期間限定
    sjis::Bytes selectField = sjis::lit("氏名");
    int receptionSerial = 1; // 0 = optional fields off

    // The settings of a file as read (nothing: the file is absent, the defaults hold).
    static RequestSettings fromLines(const std::optional<SettingsLines>& lines);
    // All six lines, as written at every close attempt.
    std::vector<sjis::Bytes> toLines() const;

    // The settle days the 決済日 menu offers; any other stored value checks none.
    static bool isMenuSettleDay(int day);
};

} // namespace torvane
