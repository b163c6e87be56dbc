#pragma once

#include <QAbstractSpinBox>

#include <cstdint>

namespace torvane::ui {

// A number box with arrow buttons and no bounds. It takes any text, as the workshop's
// old spin fields did; text that is not a whole number reads as 0.
class IntSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit IntSpinEdit(QWidget* parent = nullptr);

    int32_t value() const;
    void setValue(int32_t value);
    void setSingleStep(int32_t step) { step_ = step; }
    // The text as typed (which need not be a number).
    void setText(const QString& text);

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    int32_t step_ = 1;
};

} // namespace torvane::ui
