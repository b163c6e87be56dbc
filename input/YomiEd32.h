#pragma once

// A name box that keeps the reading of what is typed into it. Input methods on Linux show
// the kana of a word while it is typed (the pre-edit) and then commit the converted text;
// the box takes the last all-kana pre-edit as the reading of the text committed, in the
// half-width katakana form readings have always had here.

#include "common/ui/DataControls.h"

#include <QPointer>

#include <functional>

namespace torvane {

class TYomiDBMemo : public ui::DBEdit {
    Q_OBJECT
public:
    TYomiDBMemo(ui::DataLink& link, std::string field, QWidget* parent = nullptr);

    // A box the readings are appended to (shown, and written to its field when this box is
    // left); may be empty.
    QPointer<ui::DBEdit> YomiOut;
    // Called with each reading captured; may change it.
    std::function<void(QObject* sender, sjis::Bytes& reading)> OnYomiOut;
    // Switch the kana lock on while the box has the focus (no such toggle on Linux
    // keyboards: kept for the setting's sake).
    bool VKkana = true;

protected:
    void inputMethodEvent(QInputMethodEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool targetUsable() const;

    QString pendingKana_;
    bool modified_ = false;
};

} // namespace torvane
