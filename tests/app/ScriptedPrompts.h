#pragma once

#include "common/Prompts.h"

#include <deque>
#include <string>
#include <vector>

// Answers the program's questions from a script and keeps what it was asked and told.
class ScriptedPrompts : public torvane::Prompts {
public:
    std::deque<Answer> answers; // for Yes/No/Cancel and Yes/No questions
    std::deque<std::string> passwords;
    std::vector<std::string> asked;
    std::vector<std::string> errors;

    Answer askYesNoCancel(const std::string& text) override {
        asked.push_back(text);
        return next();
    }
    bool askYesNo(const std::string& text) override {
        asked.push_back(text);
        return next() == Answer::Yes;
    }
    void error(const std::string& text) override { errors.push_back(text); }
    std::string askPassword(const std::string& caption, const std::string&) override {
        asked.push_back(caption);
        if (passwords.empty())
            return {};
        std::string p = passwords.front();
        passwords.pop_front();
        return p;
    }

private:
    Answer next() {
        if (answers.empty())
            return Answer::Cancel;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};
