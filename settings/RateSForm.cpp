#include "settings/RateSForm.h"

#include "app/SettingsCatalogue.h"
#include "common/Numbers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace torvane {
namespace {

ui::IntSpinEdit* numberRow(QVBoxLayout* body, const char* label, int32_t step) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QString::fromUtf8(label)));
    auto* spin = new ui::IntSpinEdit;
    spin->setObjectName("SpinEdit1");
    spin->setSingleStep(step);
    spin->setMinimumWidth(120);
    row->addWidget(spin);
    body->addLayout(row);
    return spin;
}

} // namespace

int32_t wholeNumberLine(const SettingsLines& lines) {
    return numbers::parseWhole(lines.line(1)).value_or(0);
}

TRateSetForm::TRateSetForm(const std::filesystem::path& dir, Prompts& prompts, QWidget* parent)
    : SettingsDialog(dir / files::Rate, prompts, parent) {
    setObjectName("RateSetForm");
    setWindowTitle(QString::fromUtf8("作業工賃単価"));
    body()->addWidget(new QLabel(QString::fromUtf8("１時間当たりの作業工賃を入力してください。")));
    SpinEdit1 = numberRow(body(), "作業工賃単価　：", 500);
    SpinEdit1->setValue(0);
    if (auto l = readFile())
        SpinEdit1->setValue(wholeNumberLine(*l));
}

std::vector<sjis::Bytes> TRateSetForm::lines() const {
    return {std::to_string(rate())};
}

TZeiSetForm::TZeiSetForm(const std::filesystem::path& dir, Prompts& prompts, QWidget* parent)
    : SettingsDialog(dir / files::Zei, prompts, parent) {
    setObjectName("ZeiSetForm");
    setWindowTitle(QString::fromUtf8("消費税"));
    SpinEdit1 = numberRow(body(), "消　費　税　：", 1);
    SpinEdit1->setValue(5);
    if (auto l = readFile())
        SpinEdit1->setValue(wholeNumberLine(*l));
}

std::vector<sjis::Bytes> TZeiSetForm::lines() const {
    return {std::to_string(percent())};
}

} // namespace torvane
