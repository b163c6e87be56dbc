#pragma once

#include "common/Prompts.h"

class QWidget;

namespace torvane {

// Questions and messages as the user sees them: modal message boxes with Japanese
// buttons.
class MessageBoxPrompts : public Prompts {
public:
    explicit MessageBoxPrompts(QWidget* parent = nullptr)
        : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer askYesNoCancel(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    void error(const std::string& text) override;
    std::string askPassword(const std::string& caption, const std::string& label) override;

private:
    QWidget* parent_;
};

} // namespace torvane
