#include "app/VersionDlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace torvane {

TVersionDlg::TVersionDlg(QWidget* parent)
    : QDialog(parent) {
    setObjectName("VersionDlg");
    setWindowTitle(QString::fromUtf8("バージョン情報"));
    auto* v = new QVBoxLayout(this);
    auto* name = new QLabel(QString::fromUtf8("Torvane For Win32"));
    QFont f = name->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    name->setFont(f);
    v->addWidget(name);
    v->addWidget(new QLabel(
        QString::fromUtf8("修理明細書 バージョン %1").arg(QCoreApplication::applicationVersion())));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    v->addWidget(buttons);
}

} // namespace torvane
