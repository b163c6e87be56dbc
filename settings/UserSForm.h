#pragma once

#include "settings/SettingsDialog.h"

#include <QLineEdit>

#include <array>

namespace torvane {

// "自社情報": the workshop's own seven lines (address, names, telephone, three free
// lines), User.INI. The fields are the lines in force; printing reads them.
class TUserSetForm : public settings_ui::SettingsDialog {
    Q_OBJECT
public:
    TUserSetForm(const std::filesystem::path& dataDirectory, Prompts& prompts,
                 QWidget* parent = nullptr);
    // Company line n (1..7) as CP932.
    sjis::Bytes line(int n) const;
    QLineEdit* edit(int n) const { return edits_[static_cast<size_t>(n - 1)]; }

protected:
    std::vector<sjis::Bytes> lines() const override;

private:
    std::array<QLineEdit*, 7> edits_{};
};

} // namespace torvane
