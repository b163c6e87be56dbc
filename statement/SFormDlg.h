#pragma once

// "コード入力または作業・部品名の選択": choosing a work or part name for a slot by its class,
// its name, its comment, or its code. The item master stays on the item chosen; the caller
// then applies it (ListSet).

#include "common/Sjis.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QStringListModel;

namespace torvane {
namespace store {
class Database;
class Table;
} // namespace store

class TFormDlg : public QDialog {
    Q_OBJECT
public:
    // Fills the scratch tables from the master: ReqSort with its distinct class names,
    // ReqData with one empty record for the choices.
    TFormDlg(store::Database& db, store::Table& master, QWidget* parent = nullptr);
    ~TFormDlg() override;

    // Shows the dialog for slot n of the statement. True when an item was chosen (the
    // master is on it); false when the dialog was closed without one, or a typed code
    // matched nothing. The master's filter is still on: the caller switches it off after
    // applying the item.
    bool choose(store::Table& statement, int n);
    // The opening without showing: binds the name box to slot n of the statement, empties
    // the code box and offers the names of the class chosen last.
    void prepare(store::Table& statement, int n);

    QLineEdit* codeBox() const { return code_; }
    QComboBox* classBox() const { return class_; }
    QComboBox* nameBox() const { return name_; }
    QComboBox* commentBox() const { return comment_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuildScratchTables();
    void filterByClass(const sjis::Bytes& className);
    void fillLists();
    void chooseName(int index);
    void chooseComment(int index);
    void codeTyped();
    void writeName(const sjis::Bytes& name);

    store::Database& db_;
    store::Table& master_;
    std::unique_ptr<store::Table> sort_;
    std::unique_ptr<store::Table> data_;
    store::Table* statement_ = nullptr;
    int slot_ = 0;
    bool codeFound_ = false;
    bool chosen_ = false;

    QLineEdit* code_;
    QComboBox* class_;
    QComboBox* name_;
    QComboBox* comment_;
    QStringListModel* names_;
    QStringListModel* comments_;
};

} // namespace torvane
