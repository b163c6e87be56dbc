#include "settings/UserSForm.h"

#include "app/SettingsCatalogue.h"

#include <QFormLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace torvane {

TUserSetForm::TUserSetForm(const std::filesystem::path& dir, Prompts& prompts, QWidget* parent)
    : SettingsDialog(dir / files::User, prompts, parent) {
    setObjectName("UserSetForm");
    setWindowTitle(QString::fromUtf8("自社情報"));
    static const char* const labels[] = {"自　住　所　：", "自　社　名　：",  "自 社 名 付：",
                                         "自電話番号：",   "追　  加   １：", "追　  加   ２：",
                                         "追　  加   ３："};
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    auto* host = new QWidget;
    auto* form = new QFormLayout(host);
    for (size_t i = 0; i < edits_.size(); ++i) {
        edits_[i] = new QLineEdit;
        edits_[i]->setObjectName(QString("Edit%1").arg(i + 1));
        edits_[i]->setMinimumWidth(320);
        form->addRow(new QLabel(QString::fromUtf8(labels[i])), edits_[i]);
    }
    scroll->setWidget(host);
    // About four lines in view; the rest scroll.
    scroll->setMinimumHeight(4 * (edits_[0]->sizeHint().height() + form->verticalSpacing()) + 8);
    scroll->setMaximumHeight(scroll->minimumHeight());
    body()->addWidget(scroll);
    if (auto l = readFile())
        for (size_t i = 0; i < edits_.size(); ++i)
            edits_[i]->setText(sjis::toQString(l->line(i + 1)));
}

sjis::Bytes TUserSetForm::line(int n) const {
    return sjis::fromQString(edit(n)->text());
}

std::vector<sjis::Bytes> TUserSetForm::lines() const {
    std::vector<sjis::Bytes> out;
    for (int n = 1; n <= 7; ++n)
        out.push_back(line(n));
    return out;
}

} // namespace torvane
