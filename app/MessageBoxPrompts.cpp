#include "app/MessageBoxPrompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace torvane {
namespace {

QString q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString appTitle() {
    return QApplication::applicationDisplayName();
}

} // namespace

Prompts::Answer MessageBoxPrompts::askYesNoCancel(const std::string& text) {
    QMessageBox box(QMessageBox::Question, appTitle(), q(text), QMessageBox::NoButton, parent_);
    auto* yes = box.addButton(QString::fromUtf8("はい(&Y)"), QMessageBox::YesRole);
    auto* no = box.addButton(QString::fromUtf8("いいえ(&N)"), QMessageBox::NoRole);
    auto* cancel = box.addButton(QString::fromUtf8("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    if (box.clickedButton() == no)
        return Answer::No;
    return Answer::Cancel;
}

bool MessageBoxPrompts::askYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, appTitle(), q(text), QMessageBox::NoButton, parent_);
    auto* yes = box.addButton(QString::fromUtf8("はい(&Y)"), QMessageBox::YesRole);
    auto* no = box.addButton(QString::fromUtf8("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void MessageBoxPrompts::error(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, appTitle(), q(text), QMessageBox::NoButton, parent_);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

std::string MessageBoxPrompts::askPassword(const std::string& caption, const std::string& label) {
    bool ok = false;
    const QString typed =
        QInputDialog::getText(parent_, q(caption), q(label), QLineEdit::Password, {}, &ok);
    return ok ? typed.toStdString() : std::string();
}

} // namespace torvane
