#pragma once

// 「郵便番号変換」: the postal-code table in a grid, to pick a statement's address from its
// postal code or its postal code from its address. 「データ読込」 loads the table anew from
// a postal-code file (Japan Post's KEN_ALL.CSV).

#include "common/Prompts.h"
#include "common/Sjis.h"

#include <QDialog>

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;

namespace torvane {

namespace store {
class Database;
class Table;
} // namespace store
namespace ui {
class DataLink;
class TableGridModel;
} // namespace ui

class TPostForm : public QDialog {
    Q_OBJECT
public:
    TPostForm(std::filesystem::path dataDirectory, store::Database& db, Prompts& prompts,
              QWidget* parent = nullptr);
    ~TPostForm() override;

    // Opens at the first row whose code begins with the statement's 郵便番号 (else the
    // first row); on OK the statement (put into editing) takes the row's address as its
    // 住所. False, and the statement untouched, on cancel.
    bool codeToAddress(store::Table& statement);
    // Opens at the first row whose address begins with the statement's 住所; when there
    // is none, at the first row with the search bar showing that address. On OK the
    // statement takes the row's code as its 郵便番号. The search bar is hidden again after.
    bool addressToCode(store::Table& statement);

    // The steps of the two above, for the main window's own use and the tests.
    void goToCode(std::string_view codeCp932);
    bool goToAddress(std::string_view addressCp932); // false: not found, no move
    void showSearchBar(const QString& address);
    void hideSearchBar();
    // 「住所検索」: to the first row whose address begins with the search text, else the
    // first row.
    void searchAddress();
    // 「データ読込」: asks for the file, loads it, shows the new table from its start.
    // Errors go to Prompts::error; the table then stays as it was.
    void importFile();

    // The file question of 「データ読込」; an empty path cancels. By default an open-file
    // dialog 「ＣＳＶファイル」.
    std::function<std::filesystem::path()> chooseFile;

    store::Table& postData() const { return *postData_; }
    QTableView* grid() const { return grid_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::filesystem::path askFile();
    void placeButtons();
    void showCurrentRow();

    std::filesystem::path dataDirectory_;
    store::Database& db_;
    Prompts& prompts_;
    // Declared in this order so that they go in the reverse one.
    std::unique_ptr<store::Table> postData_;
    std::unique_ptr<ui::DataLink> link_;
    std::unique_ptr<ui::TableGridModel> model_;

    QWidget* searchBar_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    QTableView* grid_ = nullptr;
    QWidget* buttonPanel_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    bool syncing_ = false;
};

} // namespace torvane
