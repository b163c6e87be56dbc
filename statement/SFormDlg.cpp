#include "statement/SFormDlg.h"

#include "common/Numbers.h"
#include "common/ui/DataControls.h"
#include "statement/StatementRecord.h"
#include "store/Database.h"
#include "store/Filter.h"
#include "store/Table.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace torvane {
namespace {

QStringList toList(const std::vector<sjis::Bytes>& texts) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(texts.size()));
    for (const auto& t : texts)
        out << sjis::toQString(t);
    return out;
}

} // namespace

TFormDlg::TFormDlg(store::Database& db, store::Table& master, QWidget* parent)
    : QDialog(parent)
    , db_(db)
    , master_(master) {
    setObjectName("FormDlg");
    setWindowTitle(QString::fromUtf8("コード入力または作業・部品名の選択"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(QString::fromUtf8("コードを入力してEnterを押してください")));
    code_ = new QLineEdit;
    code_->setObjectName("CodeEdit");
    code_->setAttribute(Qt::WA_InputMethodEnabled, false);
    code_->installEventFilter(this);
    v->addWidget(code_);
    auto* frame = new QGroupBox;
    auto* form = new QFormLayout(frame);
    class_ = new QComboBox;
    class_->setObjectName("ClassCombo");
    name_ = new QComboBox;
    name_->setObjectName("NameCombo");
    name_->setEditable(true);
    name_->setInsertPolicy(QComboBox::NoInsert);
    name_->setCompleter(nullptr);
    comment_ = new QComboBox;
    comment_->setObjectName("CommentCombo");
    names_ = new QStringListModel(this);
    comments_ = new QStringListModel(this);
    name_->setModel(names_);
    comment_->setModel(comments_);
    form->addRow(QString::fromUtf8("分類"), class_);
    form->addRow(QString::fromUtf8("作業・部品名"), name_);
    form->addRow(QString::fromUtf8("コメント"), comment_);
    for (QWidget* w : {static_cast<QWidget*>(class_), static_cast<QWidget*>(name_),
                       static_cast<QWidget*>(comment_)}) {
        w->setMinimumWidth(260);
        w->installEventFilter(this);
    }
    name_->lineEdit()->installEventFilter(this);
    v->addWidget(frame);
    auto* ok = new QPushButton(QString::fromUtf8("OK(&Y)"));
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(ok, 0, Qt::AlignRight);

    connect(class_, &QComboBox::activated, this, [this](int i) {
        const sjis::Bytes chosen = sjis::fromQString(class_->itemText(i));
        ui::guarded([&] {
            data_->first();
            data_->edit();
            data_->setText("項目1", chosen);
            data_->post();
            filterByClass(chosen);
        });
    });
    connect(name_, &QComboBox::activated, this, &TFormDlg::chooseName);
    connect(name_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { writeName(sjis::fromQString(text)); });
    connect(comment_, &QComboBox::activated, this, &TFormDlg::chooseComment);

    sort_ = std::make_unique<store::Table>(db_, "ReqSort");
    data_ = std::make_unique<store::Table>(db_, "ReqData");
    ui::guarded([&] { rebuildScratchTables(); });
}

TFormDlg::~TFormDlg() = default;

void TFormDlg::rebuildScratchTables() {
    // The distinct classes of the master, in the master's order, in one transaction.
    {
        store::Database::Transaction tx(db_);
        db_.exec("DELETE FROM \"ReqSort\"; DELETE FROM \"ReqData\";");
        db_.exec("INSERT OR IGNORE INTO \"ReqSort\" (\"項目1\") SELECT COALESCE(\"分類名\", '') "
                 "FROM \"ReqItem\" ORDER BY \"ID\"");
        db_.exec("INSERT INTO \"ReqData\" (\"項目1\", \"項目2\") VALUES ('', '')");
        tx.commit();
    }
    sort_->refresh();
    data_->refresh();
    class_->clear();
    class_->addItems(toList(sort_->columnTexts("項目1")));
    class_->setCurrentIndex(-1);
}

void TFormDlg::filterByClass(const sjis::Bytes& className) {
    master_.applyFilter(sjis::lit("(分類名 = ") + store::quoteLiteral(className) + ")", true);
    fillLists();
}

void TFormDlg::fillLists() {
    names_->setStringList(toList(master_.columnTexts("項目名")));
    comments_->setStringList(toList(master_.columnTexts("コメント1")));
    if (statement_)
        name_->setEditText(sjis::toQString(
            statement_->text(statement::slotFieldName(statement::SlotField::Name, slot_))));
    comment_->setCurrentIndex(-1);
}

void TFormDlg::writeName(const sjis::Bytes& name) {
    if (!statement_)
        return;
    if (!statement_->editing())
        statement_->edit();
    statement_->setText(statement::slotFieldName(statement::SlotField::Name, slot_), name);
}

void TFormDlg::chooseName(int index) {
    ui::guarded([&] {
        master_.setRecNo(index + 1);
        writeName(master_.text("項目名"));
        comment_->setCurrentIndex(index);
        chosen_ = true;
    });
}

void TFormDlg::chooseComment(int index) {
    ui::guarded([&] {
        master_.setRecNo(index + 1);
        const sjis::Bytes name = master_.text("項目名");
        writeName(name);
        name_->setEditText(sjis::toQString(name));
        chosen_ = true;
    });
}

void TFormDlg::codeTyped() {
    ui::guarded([&] {
        // Every item counts: the filter stays on with an empty expression.
        master_.applyFilter({}, true);
        const auto code = numbers::parseWhole(sjis::fromQString(code_->text().trimmed()));
        codeFound_ = false;
        for (master_.first(); !master_.eof() && code; master_.next()) {
            if (master_.integer("コード") == *code) {
                const sjis::Bytes name = master_.text("項目名");
                writeName(name);
                name_->setEditText(sjis::toQString(name));
                codeFound_ = true;
                break;
            }
        }
        chosen_ = codeFound_;
    });
}

void TFormDlg::prepare(store::Table& statement, int n) {
    statement_ = &statement;
    slot_ = n;
    code_->clear();
    codeFound_ = false;
    chosen_ = false;
    ui::guarded([&] {
        data_->first();
        const sjis::Bytes lastClass = data_->text("項目1");
        if (!lastClass.empty()) {
            filterByClass(lastClass);
            class_->setCurrentText(sjis::toQString(lastClass));
        } else {
            fillLists();
        }
    });
}

bool TFormDlg::choose(store::Table& statement, int n) {
    prepare(statement, n);
    code_->setFocus();
    exec();
    statement_ = nullptr;
    return chosen_;
}

bool TFormDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == code_ && event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            codeTyped();
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // In the code box Enter closes once a code has been found; elsewhere it moves on.
            if (watched == code_) {
                if (codeFound_)
                    accept();
            } else {
                focusNextChild();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace torvane
