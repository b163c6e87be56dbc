#include "listing/FilterFDlg.h"

#include "app/SettingsCatalogue.h"
#include "common/EraDate.h"
#include "common/FileError.h"
#include "common/SettingsFile.h"
#include "common/TwoLists.h"
#include "input/DateSetDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvane {

TFilterDlg::TFilterDlg(std::filesystem::path dir, Prompts& prompts, TDateSDlg& dates,
                       QWidget* parent)
    : QDialog(parent)
    , dir_(std::move(dir))
    , prompts_(prompts)
    , dates_(dates) {
    setObjectName("FilterDlg");
    setWindowTitle(QString::fromUtf8("フィルタ"));
    auto* v = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    name_ = new QLineEdit;
    name_->setObjectName("NameEdit");
    field_ = new QComboBox;
    field_->setObjectName("FieldCombo");
    field_->setEditable(true);
    for (const char* f :
         {"種別",         "作成日",       "入庫日",   "出庫日",   "タイトル",       "ふりがな",
          "氏名",         "郵便番号",     "住所",     "電話番号", "自動車登録番号", "車名",
          "走行距離",     "コメント",     "初度登録", "型式",     "型式指定番号",   "車台番号",
          "原動機の型式", "類別区分番号", "受付担当", "整備担当"})
        field_->addItem(QString::fromUtf8(f));
    field_->setCurrentIndex(-1);
    value_ = new QLineEdit;
    value_->setObjectName("ValueEdit");
    value_->installEventFilter(this);
    form->addRow(QString::fromUtf8("表示名称"), name_);
    form->addRow(QString::fromUtf8("フィルタ項目"), field_);
    form->addRow(QString::fromUtf8("フィルタ内容"), value_);
    v->addLayout(form);
    auto* lists = new QHBoxLayout;
    names_ = new QListWidget;
    names_->setObjectName("NamesList");
    names_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    fields_ = new QListWidget;
    values_ = new QListWidget;
    for (QListWidget* l : {fields_, values_})
        l->setSelectionMode(QAbstractItemView::NoSelection); // for reading only
    for (QListWidget* l : {names_, fields_, values_})
        lists->addWidget(l);
    v->addLayout(lists);
    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* text, const char* name, void (TFilterDlg::*act)()) {
        auto* b = new QPushButton(QString::fromUtf8(text));
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, act);
        buttons->addWidget(b);
        return b;
    };
    button("追加", "AddButton", &TFilterDlg::addEntry);
    button("削除", "DeleteButton", &TFilterDlg::deleteEntries);
    button("↑", "UpButton", &TFilterDlg::moveUp);
    button("↓", "DownButton", &TFilterDlg::moveDown);
    buttons->addStretch(1);
    QPushButton* ok = button("OK", "OKButton", &TFilterDlg::confirm);
    ok->setDefault(true);
    v->addLayout(buttons);
    load();
}

void TFilterDlg::load() {
    entryNames_.clear();
    entryFields_.clear();
    entryValues_.clear();
    try {
        if (auto l = settings::read(dir_ / files::Filter1))
            entryNames_ = l->list();
        if (auto l = settings::read(dir_ / files::Filter2))
            entryFields_ = l->list();
        if (auto l = settings::read(dir_ / files::Filter3))
            entryValues_ = l->list();
    } catch (const FileError& e) {
        prompts_.error(e.what());
    }
    showEntries(entryNames_, entryFields_, entryValues_);
}

void TFilterDlg::showEntries(const std::vector<sjis::Bytes>& names,
                             const std::vector<sjis::Bytes>& fields,
                             const std::vector<sjis::Bytes>& values) {
    const auto fill = [](QListWidget* list, const std::vector<sjis::Bytes>& entries) {
        list->clear();
        for (const auto& e : entries)
            list->addItem(sjis::toQString(e));
    };
    fill(names_, names);
    fill(fields_, fields);
    fill(values_, values);
}

std::vector<bool> TFilterDlg::selection() const {
    std::vector<bool> out;
    for (int i = 0; i < names_->count(); ++i)
        out.push_back(names_->item(i)->isSelected());
    return out;
}

void TFilterDlg::addEntry() {
    // Taken as typed, without any test.
    entryNames_.push_back(sjis::fromQString(name_->text()));
    entryFields_.push_back(sjis::fromQString(field_->currentText()));
    entryValues_.push_back(sjis::fromQString(value_->text()));
    showEntries(entryNames_, entryFields_, entryValues_);
}

void TFilterDlg::deleteEntries() {
    const auto [first, last] = twolists::span(selection());
    if (first < 0)
        return;
    for (auto* list : {&entryNames_, &entryFields_, &entryValues_})
        if (last < static_cast<int>(list->size()))
            list->erase(list->begin() + first, list->begin() + last + 1);
    showEntries(entryNames_, entryFields_, entryValues_);
}

void TFilterDlg::moveUp() {
    const auto selected = selection();
    int select = -1;
    for (auto* list : {&entryNames_, &entryFields_, &entryValues_})
        select = twolists::moveUp(*list, selected);
    if (select < 0)
        return;
    showEntries(entryNames_, entryFields_, entryValues_);
    names_->item(select)->setSelected(true);
}

void TFilterDlg::moveDown() {
    const auto selected = selection();
    int select = -1;
    for (auto* list : {&entryNames_, &entryFields_, &entryValues_})
        select = twolists::moveDown(*list, selected);
    if (select < 0)
        return;
    showEntries(entryNames_, entryFields_, entryValues_);
    names_->item(select)->setSelected(true);
}

void TFilterDlg::confirm() {
    try {
        settings::write(dir_ / files::Filter1, entryNames_);
        settings::write(dir_ / files::Filter2, entryFields_);
        settings::write(dir_ / files::Filter3, entryValues_);
    } catch (const FileError& e) {
        prompts_.error(e.what());
    }
    accept();
}

void TFilterDlg::done(int result) {
    // Whenever it closes, what the files hold is what the dialog shows next time.
    QDialog::done(result);
    if (settings::exists(dir_ / files::Filter1))
        load();
}

bool TFilterDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == value_ && event->type() == QEvent::MouseButtonDblClick) {
        const QString field = field_->currentText();
        if (field == QString::fromUtf8("入庫日") || field == QString::fromUtf8("出庫日") ||
            field == QString::fromUtf8("作成日")) {
            const sjis::Bytes picked =
                dates_.pick(era::CharToDate(sjis::fromQString(value_->text())));
            if (!picked.empty())
                value_->setText(sjis::toQString(era::changeChar(picked)));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace torvane
