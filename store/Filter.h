#pragma once

// Filter expressions of the statement list: terms "(" field op 'literal' ")" joined by
// "and", op one of =, <>, >=, <=; a literal ending in "*" makes = a "begins with" test and
// <> a "does not begin with" test. The text is CP932 and so are the comparisons: byte by
// byte, case counting, on the field's text form.

#include "common/Sjis.h"

#include <string>
#include <vector>

namespace torvane::store {

struct FilterTerm {
    enum class Op { Equal, NotEqual, GreaterOrEqual, LessOrEqual };
    std::string field; // UTF-8 field name
    Op op = Op::Equal;
    sjis::Bytes literal; // without the quotes and the prefix star
    bool prefix = false;

    bool matches(std::string_view fieldText) const;
};

// Parses a filter text; an empty (or blank) text gives no terms. Throws StoreError with
// a message for a text that is no filter expression.
std::vector<FilterTerm> parseFilter(std::string_view cp932);

// Q(x): x in single quotes, each quote inside doubled.
sjis::Bytes quoteLiteral(std::string_view cp932);

} // namespace torvane::store
