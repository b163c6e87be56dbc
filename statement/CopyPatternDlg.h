#pragma once

#include "common/Prompts.h"

#include <QDialog>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace torvane {
namespace ui {
class TwoListChooser;
}

// "複写設定": which fields the copy command takes into the new statement (ReCopy.INI).
class TCopyPatDlg : public QDialog {
    Q_OBJECT
public:
    TCopyPatDlg(std::filesystem::path dataDirectory, Prompts& prompts, QWidget* parent = nullptr);
    // Loads the lists (from ReCopy.INI when it exists), shows the dialog and returns the
    // copied list on "はい(&Y)" (after writing ReCopy.INI), nothing on "いいえ".
    std::optional<std::vector<std::string>> ask();
    ui::TwoListChooser* chooser() const { return chooser_; }

private:
    void load();
    void confirm();

    std::filesystem::path file_;
    Prompts& prompts_;
    ui::TwoListChooser* chooser_;
};

} // namespace torvane
