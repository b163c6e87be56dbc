#pragma once

#include "common/Sjis.h"

#include <QDialog>

class QLineEdit;

namespace torvane {

// "作業工賃の入力": a labour amount typed directly. Enter closes it; whatever the box holds
// then is the amount (empty text empties the line's labour amount).
class TDFormDlg : public QDialog {
    Q_OBJECT
public:
    explicit TDFormDlg(QWidget* parent = nullptr);
    sjis::Bytes ask();
    QLineEdit* amountBox() const { return amount_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* amount_;
};

} // namespace torvane
