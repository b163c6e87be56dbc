#include "store/Filter.h"

#include "store/StoreError.h"

namespace torvane::store {

bool FilterTerm::matches(std::string_view text) const {
    const std::string_view lit(literal);
    switch (op) {
    case Op::Equal:
        return prefix ? text.starts_with(lit) : text == lit;
    case Op::NotEqual:
        return prefix ? !text.starts_with(lit) : text != lit;
    // std::string_view compares as unsigned bytes (char_traits<char>::lt is unsigned).
    case Op::GreaterOrEqual:
        return text.compare(lit) >= 0;
    case Op::LessOrEqual:
        return text.compare(lit) <= 0;
    }
    return false;
}

sjis::Bytes quoteLiteral(std::string_view text) {
    sjis::Bytes out = "'";
    for (char c : text) {
        if (c == '\'')
            out += '\'';
        out += c;
    }
    return out + "'";
}

namespace {

class Parser {
public:
    explicit Parser(std::string_view s)
        : s_(s) {}

    std::vector<FilterTerm> parse() {
        std::vector<FilterTerm> terms;
        skipSpaces();
        if (atEnd())
            return terms;
        for (;;) {
            terms.push_back(term());
            skipSpaces();
            if (atEnd())
                break;
            if (!s_.substr(pos_).starts_with("and") && !s_.substr(pos_).starts_with("AND"))
                fail();
            pos_ += 3;
            skipSpaces();
        }
        return terms;
    }

private:
    FilterTerm term() {
        expect('(');
        skipSpaces();
        FilterTerm t;
        const size_t nameStart = pos_;
        while (!atEnd() && s_[pos_] != ' ' && s_[pos_] != '=' && s_[pos_] != '<' &&
               s_[pos_] != '>') {
            // A double-byte character's second byte may look like an operator byte.
            pos_ += sjis::isLeadByte(static_cast<unsigned char>(s_[pos_])) ? 2 : 1;
        }
        pos_ = std::min(pos_, s_.size());
        const sjis::Bytes name(s_.substr(nameStart, pos_ - nameStart));
        if (name.empty())
            fail();
        const auto utf8 = sjis::toUtf8(name);
        t.field = utf8 ? *utf8 : name;
        skipSpaces();
        if (consume("<>"))
            t.op = FilterTerm::Op::NotEqual;
        else if (consume(">="))
            t.op = FilterTerm::Op::GreaterOrEqual;
        else if (consume("<="))
            t.op = FilterTerm::Op::LessOrEqual;
        else if (consume("="))
            t.op = FilterTerm::Op::Equal;
        else
            fail();
        skipSpaces();
        expect('\'');
        for (;;) {
            if (atEnd())
                fail();
            const char c = s_[pos_++];
            if (c == '\'') {
                if (!atEnd() && s_[pos_] == '\'') {
                    t.literal += '\'';
                    ++pos_;
                    continue;
                }
                break;
            }
            t.literal += c;
            // Keep a double-byte character whole, even if its second byte is a quote.
            if (sjis::isLeadByte(static_cast<unsigned char>(c)) && !atEnd())
                t.literal += s_[pos_++];
        }
        skipSpaces();
        expect(')');
        if (!t.literal.empty() && t.literal.back() == '*' &&
            (t.op == FilterTerm::Op::Equal || t.op == FilterTerm::Op::NotEqual)) {
            t.literal.pop_back();
            t.prefix = true;
        }
        return t;
    }

    bool atEnd() const { return pos_ >= s_.size(); }
    void skipSpaces() {
        while (!atEnd() && s_[pos_] == ' ')
            ++pos_;
    }
    bool consume(std::string_view token) {
        if (s_.substr(pos_).starts_with(token)) {
            pos_ += token.size();
            return true;
        }
        return false;
    }
    void expect(char c) {
        if (atEnd() || s_[pos_] != c)
            fail();
        ++pos_;
    }
    [[noreturn]] void fail() {
        const auto utf8 = sjis::toUtf8(s_);
        throw StoreError("フィルタ式が正しくありません: " + (utf8 ? *utf8 : std::string(s_)));
    }

    std::string_view s_;
    size_t pos_ = 0;
};

} // namespace

std::vector<FilterTerm> parseFilter(std::string_view cp932) {
    return Parser(cp932).parse();
}

} // namespace torvane::store
