#include "statement/CopyPatternDlg.h"

#include "app/SettingsCatalogue.h"
#include "common/FileError.h"
#include "common/SettingsFile.h"
#include "common/TwoLists.h"
#include "common/ui/TwoListChooser.h"
#include "statement/CopyStatement.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvane {

TCopyPatDlg::TCopyPatDlg(std::filesystem::path dir, Prompts& prompts, QWidget* parent)
    : QDialog(parent)
    , file_(dir / files::Copy)
    , prompts_(prompts) {
    setObjectName("CopyPatDlg");
    setWindowTitle(QString::fromUtf8("複写設定"));
    auto* v = new QVBoxLayout(this);
    auto* frame = new QGroupBox(QString::fromUtf8("複写項目設定"));
    auto* fv = new QVBoxLayout(frame);
    chooser_ = new ui::TwoListChooser(QString::fromUtf8("複写しない項目"),
                                      QString::fromUtf8("複写する項目"));
    fv->addWidget(chooser_);
    v->addWidget(frame);
    v->addWidget(
        new QLabel(QString::fromUtf8("現在表示されているデータを上記の項目で複写しますか？")));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* yes = new QPushButton(QString::fromUtf8("はい(&Y)"));
    yes->setObjectName("YesButton");
    yes->setDefault(true);
    auto* no = new QPushButton(QString::fromUtf8("いいえ"));
    no->setObjectName("NoButton");
    buttons->addWidget(yes);
    buttons->addWidget(no);
    v->addLayout(buttons);
    connect(yes, &QPushButton::clicked, this, &TCopyPatDlg::confirm);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
}

void TCopyPatDlg::load() {
    std::vector<std::string> left = statement::copyableFields();
    std::vector<std::string> right;
    try {
        if (const auto lines = settings::read(file_))
            twolists::fromLines(lines->list(), left, right);
    } catch (const FileError& e) {
        prompts_.error(e.what());
    }
    chooser_->setLists(left, right);
}

void TCopyPatDlg::confirm() {
    try {
        settings::write(file_, twolists::toLines(chooser_->left(), chooser_->right()));
    } catch (const FileError& e) {
        prompts_.error(e.what());
    }
    accept();
}

std::optional<std::vector<std::string>> TCopyPatDlg::ask() {
    load();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser_->right();
}

} // namespace torvane
