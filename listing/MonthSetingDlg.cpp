#include "listing/MonthSetingDlg.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace torvane {

TMSetDlg::TMSetDlg(QWidget* parent)
    : QDialog(parent) {
    setObjectName("MSetDlg");
    setWindowTitle(QString::fromUtf8("期間設定"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(QString::fromUtf8(" 期間を指定してください")));
    auto* row = new QHBoxLayout;
    from_ = new QComboBox;
    from_->setObjectName("FromComboBox");
    to_ = new QComboBox;
    to_->setObjectName("ToComboBox");
    row->addWidget(from_);
    row->addWidget(new QLabel(QString::fromUtf8("から")));
    row->addWidget(to_);
    row->addWidget(new QLabel(QString::fromUtf8("迄")));
    v->addLayout(row);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(ok, 0, Qt::AlignRight);
    // The list runs newest first: From may not stand above To, nor To below From.
    connect(from_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0 && i < to_->currentIndex())
            from_->setCurrentIndex(to_->currentIndex());
    });
    connect(to_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i > from_->currentIndex() && from_->currentIndex() >= 0)
            to_->setCurrentIndex(from_->currentIndex());
    });
}

std::optional<std::pair<int, int>> TMSetDlg::choose(const QStringList& captions) {
    {
        const QSignalBlocker a(from_);
        const QSignalBlocker b(to_);
        from_->clear();
        to_->clear();
        from_->addItems(captions);
        to_->addItems(captions);
        from_->setCurrentIndex(static_cast<int>(captions.size()) - 1);
        to_->setCurrentIndex(captions.isEmpty() ? -1 : 0);
    }
    if (exec() != QDialog::Accepted || captions.isEmpty())
        return std::nullopt;
    return std::make_pair(from_->currentIndex() + 2, to_->currentIndex() + 2);
}

} // namespace torvane
