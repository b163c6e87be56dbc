#pragma once

#include "common/Prompts.h"
#include "common/Sjis.h"

#include <QDialog>

#include <filesystem>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace torvane {

class TDateSDlg;

// "フィルタ": the filter entries of the statement list, three parallel lists kept in
// ReFilter1.INI (display names), ReFilter2.INI (fields) and ReFilter3.INI (values).
class TFilterDlg : public QDialog {
    Q_OBJECT
public:
    TFilterDlg(std::filesystem::path dataDirectory, Prompts& prompts, TDateSDlg& dates,
               QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return name_; }
    QComboBox* fieldBox() const { return field_; }
    QLineEdit* valueEdit() const { return value_; }
    QListWidget* namesList() const { return names_; }
    void addEntry();
    void deleteEntries();
    void moveUp();
    void moveDown();

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void confirm();
    void showEntries(const std::vector<sjis::Bytes>& names, const std::vector<sjis::Bytes>& fields,
                     const std::vector<sjis::Bytes>& values);
    std::vector<bool> selection() const;

    std::filesystem::path dir_;
    Prompts& prompts_;
    TDateSDlg& dates_;
    std::vector<sjis::Bytes> entryNames_, entryFields_, entryValues_;
    QLineEdit* name_;
    QComboBox* field_;
    QLineEdit* value_;
    QListWidget* names_;
    QListWidget* fields_;
    QListWidget* values_;
};

} // namespace torvane
