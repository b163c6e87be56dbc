#pragma once

#include <QDialog>
#include <QKeyEvent>

namespace torvane::ui {

// A small dialog without buttons that Enter closes (accepts), wherever the focus is.
class EnterClosesDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            accept();
            return;
        }
        QDialog::keyPressEvent(event);
    }
};

} // namespace torvane::ui
