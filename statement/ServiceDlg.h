#pragma once

// The two discount dialogs, and the bridge that lets the discount check ask them.

#include "common/Prompts.h"
#include "statement/Discounts.h"

#include "common/ui/EnterClosesDialog.h"

#include <array>

class QButtonGroup;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace torvane {

// "値引きの選択": four choices from the tail of the amount billed, or the amount wanted.
// A click on a choice closes it at once; so does Enter.
class TServDlg : public ui::EnterClosesDialog {
    Q_OBJECT
public:
    explicit TServDlg(QWidget* parent = nullptr);
    statement::DiscountDialogs::ServiceAnswer ask(const std::array<sjis::Bytes, 4>& choices);

    QRadioButton* choice(int i) const { return choices_[static_cast<size_t>(i)]; }
    QLineEdit* amountBox() const { return amount_; }

private:
    std::array<QRadioButton*, 4> choices_{};
    QButtonGroup* group_;
    QLineEdit* amount_;
};

// "特別値引きの選択": a percentage of the labour total, 0 to 100; the box keeps the last
// value for the rest of the run. Enter closes it.
class TSpServDlg : public ui::EnterClosesDialog {
    Q_OBJECT
public:
    explicit TSpServDlg(QWidget* parent = nullptr);
    sjis::Bytes ask();
    QSpinBox* percentBox() const { return percent_; }

private:
    QSpinBox* percent_;
};

// The discount check's dialogs as the windows above, its messages through the prompts.
class DiscountDialogsUi : public statement::DiscountDialogs {
public:
    DiscountDialogsUi(TServDlg& service, TSpServDlg& special, Prompts& prompts)
        : service_(service)
        , special_(special)
        , prompts_(prompts) {}
    ServiceAnswer askService(const std::array<sjis::Bytes, 4>& choices) override {
        return service_.ask(choices);
    }
    sjis::Bytes askSpecialPercent() override { return special_.ask(); }
    void tell(const std::string& message) override { prompts_.error(message); }

private:
    TServDlg& service_;
    TSpServDlg& special_;
    Prompts& prompts_;
};

} // namespace torvane
