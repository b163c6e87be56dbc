#include "statement/ServiceDlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace torvane {
TServDlg::TServDlg(QWidget* parent)
    : EnterClosesDialog(parent) {
    setObjectName("ServDlg");
    setWindowTitle(QString::fromUtf8("値引きの選択"));
    auto* v = new QVBoxLayout(this);
    auto* choices = new QGroupBox(QString::fromUtf8("次の中から選んでください。"));
    auto* cv = new QVBoxLayout(choices);
    group_ = new QButtonGroup(this);
    for (size_t i = 0; i < choices_.size(); ++i) {
        choices_[i] = new QRadioButton;
        choices_[i]->setObjectName(QString("Choice%1").arg(i + 1));
        group_->addButton(choices_[i], static_cast<int>(i));
        cv->addWidget(choices_[i]);
    }
    connect(group_, &QButtonGroup::idClicked, this, &QDialog::accept);
    v->addWidget(choices);
    auto* wanted = new QGroupBox(QString::fromUtf8("請求額の指定"));
    auto* wv = new QVBoxLayout(wanted);
    amount_ = new QLineEdit;
    amount_->setObjectName("AmountEdit");
    amount_->setAttribute(Qt::WA_InputMethodEnabled, false);
    amount_->setAlignment(Qt::AlignRight);
    wv->addWidget(amount_);
    v->addWidget(wanted);
}

statement::DiscountDialogs::ServiceAnswer TServDlg::ask(const std::array<sjis::Bytes, 4>& texts) {
    group_->setExclusive(false);
    for (size_t i = 0; i < choices_.size(); ++i) {
        choices_[i]->setText(sjis::toQString(texts[i]));
        choices_[i]->setChecked(false);
    }
    group_->setExclusive(true);
    amount_->clear();
    amount_->setFocus();
    exec();
    statement::DiscountDialogs::ServiceAnswer answer;
    answer.typed = sjis::fromQString(amount_->text().trimmed());
    answer.choice = group_->checkedId();
    return answer;
}

TSpServDlg::TSpServDlg(QWidget* parent)
    : EnterClosesDialog(parent) {
    setObjectName("SpServDlg");
    setWindowTitle(QString::fromUtf8("特別値引きの選択"));
    auto* v = new QVBoxLayout(this);
    auto* frame = new QGroupBox(QString::fromUtf8("作業工賃の割合"));
    auto* h = new QHBoxLayout(frame);
    percent_ = new QSpinBox;
    percent_->setObjectName("PercentEdit");
    percent_->setRange(0, 100);
    percent_->setValue(0);
    h->addWidget(percent_);
    h->addWidget(new QLabel(QString::fromUtf8("％引き")));
    v->addWidget(frame);
}

sjis::Bytes TSpServDlg::ask() {
    percent_->setFocus();
    percent_->selectAll();
    exec();
    return percent_->text().toStdString();
}

} // namespace torvane
