#include "input/YomiEd32.h"

#include "input/Kana.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace torvane {
namespace {

bool isKana(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool kana = (u >= 0x3041 && u <= 0x3096) || (u >= 0x30A1 && u <= 0x30FA) ||
                          u == 0x30FC || (u >= 0xFF66 && u <= 0xFF9F);
        if (!kana)
            return false;
    }
    return true;
}

} // namespace

TYomiDBMemo::TYomiDBMemo(ui::DataLink& link, std::string field, QWidget* parent)
    : DBEdit(link, std::move(field), parent) {
    setAttribute(Qt::WA_InputMethodEnabled, true);
    connect(this, &QLineEdit::textEdited, this, [this] { modified_ = true; });
}

bool TYomiDBMemo::targetUsable() const {
    return YomiOut && !YomiOut->fieldName().empty() && YomiOut->isEnabled() &&
           !YomiOut->isReadOnly();
}

void TYomiDBMemo::inputMethodEvent(QInputMethodEvent* event) {
    const QString preedit = event->preeditString();
    if (isKana(preedit))
        pendingKana_ = preedit;
    if (!event->commitString().isEmpty()) {
        const QString commit = event->commitString();
        const QString kana = isKana(commit) ? commit : pendingKana_;
        pendingKana_.clear();
        sjis::Bytes reading = input::toHalfWidthKatakana(sjis::fromQString(kana));
        if (OnYomiOut)
            OnYomiOut(this, reading);
        if (targetUsable() && !reading.empty())
            YomiOut->setText(YomiOut->text() + sjis::toQString(reading));
    }
    // The committed text goes into the box as usual.
    DBEdit::inputMethodEvent(event);
}

void TYomiDBMemo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        pendingKana_.clear();
        if (targetUsable())
            YomiOut->refresh(); // the appended readings go
    }
    DBEdit::keyPressEvent(event);
}

void TYomiDBMemo::focusOutEvent(QFocusEvent* event) {
    if (ui::isLeaving(event) && targetUsable() && modified_) {
        const QString text = YomiOut->text();
        ui::guarded([&] {
            auto& table = YomiOut->link().table();
            if (!table.editing())
                table.edit();
            table.setText(YomiOut->fieldName(), sjis::fromQString(text));
        });
    }
    if (ui::isLeaving(event))
        modified_ = false;
    DBEdit::focusOutEvent(event);
}

} // namespace torvane
