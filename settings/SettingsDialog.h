#pragma once

// The common frame of the small settings dialogs: OK (default, Enter) and "ｷｬﾝｾﾙ", a
// settings file read once when the dialog is made and rewritten whole on OK.

#include "common/Prompts.h"
#include "common/SettingsFile.h"

#include <QDialog>

#include <filesystem>
#include <optional>
#include <vector>

class QVBoxLayout;

namespace torvane::settings_ui {

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(std::filesystem::path file, Prompts& prompts, QWidget* parent);

    const std::filesystem::path& file() const { return file_; }

protected:
    QVBoxLayout* body() const { return body_; }
    // The file's lines, or nothing when it is absent or cannot be read (then said).
    std::optional<SettingsLines> readFile() const;
    // The lines OK writes.
    virtual std::vector<sjis::Bytes> lines() const = 0;

private:
    void confirm();

    std::filesystem::path file_;
    Prompts& prompts_;
    QVBoxLayout* body_;
};

} // namespace torvane::settings_ui
