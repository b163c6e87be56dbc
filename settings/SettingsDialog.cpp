#include "settings/SettingsDialog.h"

#include "common/FileError.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvane::settings_ui {

SettingsDialog::SettingsDialog(std::filesystem::path file, Prompts& prompts, QWidget* parent)
    : QDialog(parent)
    , file_(std::move(file))
    , prompts_(prompts) {
    auto* layout = new QVBoxLayout(this);
    body_ = new QVBoxLayout;
    layout->addLayout(body_);
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QString::fromUtf8("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("CancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &SettingsDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::optional<SettingsLines> SettingsDialog::readFile() const {
    try {
        return settings::read(file_);
    } catch (const FileError& e) {
        prompts_.error(e.what());
        return std::nullopt;
    }
}

void SettingsDialog::confirm() {
    // A failed write is said; the dialog closes all the same and the values stay in force.
    try {
        settings::write(file_, lines());
    } catch (const FileError& e) {
        prompts_.error(e.what());
    }
    accept();
}

} // namespace torvane::settings_ui
