#pragma once

#include <stdexcept>
#include <string>

namespace torvane::store {

// A failing data-store operation. what() is the message for the user (Japanese, UTF-8).
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    static StoreError unknownField(const std::string& field) {
        return StoreError("項目 '" + field + "' が見つかりません");
    }
};

// A duplicate key refused a post.
class KeyViolation : public StoreError {
public:
    KeyViolation()
        : StoreError("キー違反です。") {}
};

// Silent stop of the operation in progress (a hook refused it after telling the user
// why, or the user cancelled). Callers catch it and do nothing more.
class Abort : public std::exception {
public:
    const char* what() const noexcept override { return "abort"; }
};

} // namespace torvane::store
