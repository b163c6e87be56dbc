#include "statement/DiFormDlg.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace torvane {

TDFormDlg::TDFormDlg(QWidget* parent)
    : EnterClosesDialog(parent) {
    setObjectName("DFormDlg");
    setWindowTitle(QString::fromUtf8("作業工賃の入力"));
    auto* v = new QVBoxLayout(this);
    auto* frame = new QGroupBox(QString::fromUtf8("作業工賃を入力してください。"));
    auto* fv = new QVBoxLayout(frame);
    amount_ = new QLineEdit;
    amount_->setObjectName("AmountEdit");
    amount_->setAlignment(Qt::AlignRight);
    amount_->setAttribute(Qt::WA_InputMethodEnabled, false);
    fv->addWidget(amount_);
    v->addWidget(frame);
}

sjis::Bytes TDFormDlg::ask() {
    amount_->clear();
    amount_->setFocus();
    exec();
    return sjis::fromQString(amount_->text());
}

} // namespace torvane
