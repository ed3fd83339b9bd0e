// The library's query parser: user text to terms, terms to groups, groups to an expression
// in which every term is a quoted string.
#include "library/query_parser.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace zeb::library {
namespace {

using Term = QueryPhrase;

struct Group {
  std::vector<Term> wanted;
  std::vector<Term> excluded;
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// The code point of the UTF-8 sequence at text[i], advancing i; a malformed byte reads as
// itself.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<std::uint8_t>(text[i++]);
  if (lead < 0x80) return lead;
  const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  char32_t code = lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size() || (static_cast<std::uint8_t>(text[i]) & 0xC0) != 0x80) return lead;
    code = (code << 6) | (static_cast<std::uint8_t>(text[i++]) & 0x3F);
  }
  return code;
}

// Characters the index's word splitter keeps in words: letters and digits of any script.
// Punctuation and symbols outside ASCII that it treats as separators are the common blocks
// below; a rarer one only makes a term that matches nothing.
bool isWordCharacter(char32_t code) {
  if (code < 0x80) return (code >= '0' && code <= '9') || (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z');
  if (code >= 0xA0 && code <= 0xBF)
    return code == 0xAA || code == 0xB2 || code == 0xB3 || code == 0xB5 || code == 0xB9 || code == 0xBA ||
           code == 0xBC || code == 0xBD || code == 0xBE;
  if (code == 0xD7 || code == 0xF7) return false;
  if (code >= 0x2000 && code <= 0x2BFF) return false;  // punctuation, arrows, symbols, dingbats
  if (code >= 0x3000 && code <= 0x303F) return false;  // CJK punctuation
  if (code >= 0xFE30 && code <= 0xFE4F) return false;  // CJK compatibility forms
  if (code >= 0xFF01 && code <= 0xFF0F) return false;  // full-width punctuation
  return true;
}

bool holdsWord(std::string_view text) {
  for (std::size_t i = 0; i < text.size();)
    if (isWordCharacter(nextCodePoint(text, i))) return true;
  return false;
}

bool startsWithTitle(std::string_view word) {
  constexpr std::string_view title = "title:";
  if (word.size() < title.size()) return false;
  for (std::size_t k = 0; k < title.size(); ++k) {
    char c = word[k];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != title[k]) return false;
  }
  return true;
}

std::string quoted(const Term& term) {
  std::string out = term.titleOnly ? "title : \"" : "\"";
  for (const char c : term.text) {
    out += c;
    if (c == '"') out += '"';
  }
  out += '"';
  if (term.prefix) out += '*';
  return out;
}

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) { groups_.emplace_back(); }

  std::vector<Group> read() {
    while (skipBlanks()) {
      if (text_[at_] == '"') {
        readPhrase();
      } else {
        readWord();
      }
    }
    return std::move(groups_);
  }

 private:
  bool skipBlanks() {
    while (at_ < text_.size() && isBlank(text_[at_])) ++at_;
    return at_ < text_.size();
  }

  void readPhrase() {
    const std::size_t start = ++at_;
    const std::size_t end = std::min(text_.find('"', start), text_.size());
    Term term{std::string(text_.substr(start, end - start))};
    at_ = end < text_.size() ? end + 1 : end;
    while (at_ < text_.size() && text_[at_] == '*') {
      term.prefix = true;
      ++at_;
    }
    add(std::move(term));
  }

  void readWord() {
    const std::size_t start = at_;
    while (at_ < text_.size() && !isBlank(text_[at_]) && text_[at_] != '"') ++at_;
    std::string_view word = text_.substr(start, at_ - start);
    if (word == "OR") {
      excludeNext_ = false;
      titleNext_ = false;
      groups_.emplace_back();
      return;
    }
    if (word == "AND") return;
    if (word == "NOT") {
      excludeNext_ = true;
      return;
    }
    if (startsWithTitle(word)) {
      titleNext_ = true;
      word.remove_prefix(6);
      if (word.empty()) return;
    }
    Term term{};
    while (!word.empty() && word.back() == '*') {
      term.prefix = true;
      word.remove_suffix(1);
    }
    term.text = std::string(word);
    add(std::move(term));
  }

  void add(Term term) {
    term.titleOnly = std::exchange(titleNext_, false);
    const bool excluded = std::exchange(excludeNext_, false);
    if (!holdsWord(term.text)) return;
    (excluded ? groups_.back().excluded : groups_.back().wanted).push_back(std::move(term));
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::vector<Group> groups_;
  bool excludeNext_ = false;
  bool titleNext_ = false;
};

}  // namespace

std::optional<ParsedQuery> parseQuery(std::string_view text) {
  ParsedQuery query;
  std::string& expression = query.expression;
  for (Group& group : Reader(text).read()) {
    if (group.wanted.empty()) continue;
    if (!expression.empty()) expression += " OR ";
    std::string wanted;
    for (const Term& term : group.wanted) {
      if (!wanted.empty()) wanted += " AND ";
      wanted += quoted(term);
    }
    std::string part = "(" + wanted + ")";
    for (const Term& term : group.excluded) part = "(" + part + " NOT " + quoted(term) + ")";
    expression += part;
    for (std::vector<Term>* terms : {&group.wanted, &group.excluded})
      for (Term& term : *terms) query.phrases.push_back(std::move(term));
  }
  if (expression.empty()) return std::nullopt;
  return query;
}

}  // namespace zeb::library
