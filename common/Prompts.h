#pragma once

// Questions and messages to the user. The windows answer them with message boxes; tests
// script the answers.

#include <string>

namespace torvane {

class Prompts {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompts() = default;
    // Texts are UTF-8; several lines are separated by "\n".
    virtual Answer askYesNoCancel(const std::string& text) = 0;
    virtual bool askYesNo(const std::string& text) = 0;
    virtual void error(const std::string& text) = 0;
    // The text typed into a password box; nothing when the box was closed.
    virtual std::string askPassword(const std::string& caption, const std::string& label) = 0;
};

} // namespace torvane
