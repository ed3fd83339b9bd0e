// What the user types into a library search, turned into a full-text query expression that
// the index always accepts: words that must all occur, OR, NOT, "quoted phrases", prefixes
// (word*) and title: for page titles. Every term reaches the index quoted, so no operator,
// quote or punctuation the user types can make the expression fail.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb::library {

// A quoted term of the expression, as the user typed it between the quotes.
struct QueryPhrase {
  std::string text;
  bool prefix = false;     // matches the words that begin with it
  bool titleOnly = false;  // looked for in page titles alone
};

struct ParsedQuery {
  // The full-text expression over the columns "title" and "body" (or over "title" alone,
  // which finds the pages whose title holds the query).
  std::string expression;
  // Its terms in the order they stand in it, which is the order the index numbers them.
  std::vector<QueryPhrase> phrases;
};

// The expression for the text, or none when it holds nothing to search: no term with a
// letter or digit in it, or only terms that exclude ("NOT word").
//
// Terms are separated by blanks; a quote opens a phrase that runs to the next quote or the
// end. OR (in capitals) joins the groups on each side; AND (in capitals) is the same as a
// blank. NOT excludes the term after it from its group; a NOT with no term after it is
// dropped, as is a group that only excludes. A term ending in "*" matches words that begin
// with it. "title:" before a term (or joined to it) looks for it in page titles only.
std::optional<ParsedQuery> parseQuery(std::string_view text);

}  // namespace zeb::library
