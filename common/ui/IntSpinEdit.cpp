#include "common/ui/IntSpinEdit.h"

#include "common/Numbers.h"

#include <QLineEdit>

namespace torvane::ui {

IntSpinEdit::IntSpinEdit(QWidget* parent)
    : QAbstractSpinBox(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValue(0);
}

int32_t IntSpinEdit::value() const {
    return numbers::parseWhole(lineEdit()->text().trimmed().toStdString()).value_or(0);
}

void IntSpinEdit::setValue(int32_t value) {
    lineEdit()->setText(QString::number(value));
}

void IntSpinEdit::setText(const QString& text) {
    lineEdit()->setText(text);
}

void IntSpinEdit::stepBy(int steps) {
    const int64_t next = static_cast<int64_t>(value()) + static_cast<int64_t>(steps) * step_;
    setValue(static_cast<int32_t>(std::clamp<int64_t>(next, INT32_MIN, INT32_MAX)));
    selectAll();
}

} // namespace torvane::ui
