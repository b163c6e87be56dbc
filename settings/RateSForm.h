#pragma once

// The labour rate and tax dialogs: one whole number each, the setting in force.

#include "common/ui/IntSpinEdit.h"
#include "settings/SettingsDialog.h"

namespace torvane {

// "作業工賃単価": yen per hour of work, Rate.INI. 0 when the file is absent.
class TRateSetForm : public settings_ui::SettingsDialog {
    Q_OBJECT
public:
    TRateSetForm(const std::filesystem::path& dataDirectory, Prompts& prompts,
                 QWidget* parent = nullptr);
    int32_t rate() const { return SpinEdit1->value(); }
    ui::IntSpinEdit* SpinEdit1;

protected:
    std::vector<sjis::Bytes> lines() const override;
};

// "消費税": the consumption-tax percentage, Zei.INI. 5 when the file is absent.
class TZeiSetForm : public settings_ui::SettingsDialog {
    Q_OBJECT
public:
    TZeiSetForm(const std::filesystem::path& dataDirectory, Prompts& prompts,
                QWidget* parent = nullptr);
    int32_t percent() const { return SpinEdit1->value(); }
    ui::IntSpinEdit* SpinEdit1;

protected:
    std::vector<sjis::Bytes> lines() const override;
};

// The value of the first line of Rate.INI or Zei.INI: a whole number, else 0.
int32_t wholeNumberLine(const SettingsLines& lines);

} // namespace torvane
