#pragma once

#include "common/Sjis.h"

#include "common/ui/EnterClosesDialog.h"

class QLineEdit;

namespace torvane {

// "作業工賃の入力": a labour amount typed directly. Enter closes it; whatever the box holds
// then is the amount (empty text empties the line's labour amount).
class TDFormDlg : public ui::EnterClosesDialog {
    Q_OBJECT
public:
    explicit TDFormDlg(QWidget* parent = nullptr);
    sjis::Bytes ask();
    QLineEdit* amountBox() const { return amount_; }

private:
    QLineEdit* amount_;
};

} // namespace torvane
