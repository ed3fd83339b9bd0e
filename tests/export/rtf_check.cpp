// The RTF check: a tokenizer, then the rules over its tokens.
#include "tests/export/rtf_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

namespace zeb::testing {
namespace {

constexpr std::string_view knownWords[] = {
    "rtf",       "ansi",    "deff",     "fonttbl", "f",      "froman",    "fswiss",     "fmodern",   "fscript",
    "fdecor",    "fprq",    "colortbl", "red",     "green",  "blue",      "stylesheet", "s",         "widctlpar",
    "paperw",    "paperh",  "margt",    "margb",   "margl",  "margr",     "par",        "pard",      "plain",
    "intbl",     "fs",      "cf",       "i",       "b",      "ul",        "strike",     "up",        "dn",
    "ql",        "qr",      "qc",       "qj",      "pn",     "pnlvlbody", "pndec",      "pnstart",   "pnhang",
    "pnindent",  "pntxta",  "pnlvlblt", "pnf",     "pntxtb", "pntext",    "tab",        "sl",        "fi",
    "li",        "ri",      "sb",       "sa",      "trowd",  "trleft",    "trgaph",     "trbrdrt",   "trbrdrl",
    "trbrdrb",   "trbrdrr", "trbrdrh",  "trbrdrv", "brdrs",  "brdrth",    "brdrw",      "clcbpat",   "clbrdrb",
    "clbrdrt",   "clbrdrl", "clbrdrr",  "cellx",   "cell",   "row",       "atnid",      "atnauthor", "chatn",
    "annotation"};

struct Token {
  enum Kind { open, close, word, symbol, text } kind;
  std::string name;                // word: its letters; symbol and text: the character
  std::optional<long long> param;  // word: its number
  int depth;                       // depth of the group the token stands in
};

bool known(std::string_view word) {
  return std::find(std::begin(knownWords), std::end(knownWords), word) != std::end(knownWords);
}
bool lowerHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

std::vector<Token> tokenize(std::string_view rtf, std::vector<std::string>& faults) {
  std::vector<Token> tokens;
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    const char c = rtf[i];
    if (depth == 0 && !tokens.empty()) {
      faults.push_back("content after the document's closing brace at " + std::to_string(i));
      break;
    }
    if (c == '{') {
      tokens.push_back({Token::open, "", {}, depth++});
    } else if (c == '}') {
      tokens.push_back({Token::close, "", {}, --depth});
      if (depth < 0) faults.push_back("unbalanced \"}\" at " + std::to_string(i));
    } else if (c == '\\') {
      if (i + 1 >= rtf.size()) {
        faults.push_back("backslash at the end");
        break;
      }
      const char next = rtf[i + 1];
      if (std::islower(static_cast<unsigned char>(next))) {
        std::size_t end = i + 1;
        while (end < rtf.size() && std::islower(static_cast<unsigned char>(rtf[end]))) ++end;
        std::string name(rtf.substr(i + 1, end - i - 1));
        std::optional<long long> param;
        std::size_t digits = end;
        if (digits < rtf.size() && rtf[digits] == '-') ++digits;
        const std::size_t firstDigit = digits;
        while (digits < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[digits]))) ++digits;
        if (digits > firstDigit) {
          param = std::stoll(std::string(rtf.substr(end, digits - end)));
          end = digits;
        } else if (digits != end) {
          faults.push_back("\"-\" without digits after \\" + name);
        }
        if (!known(name)) faults.push_back("unknown control word \\" + name);
        tokens.push_back({Token::word, name, param, depth});
        i = end < rtf.size() && rtf[end] == ' ' ? end : end - 1;
      } else if (next == '\'') {
        if (i + 3 >= rtf.size() || !lowerHex(rtf[i + 2]) || !lowerHex(rtf[i + 3]))
          faults.push_back("malformed \\' escape at " + std::to_string(i));
        tokens.push_back({Token::text, std::string(rtf.substr(i, 4)), {}, depth});
        i += 3;
      } else if (next == '\\' || next == '{' || next == '}' || next == '*') {
        tokens.push_back({next == '*' ? Token::symbol : Token::text, std::string(1, next), {}, depth});
        ++i;
      } else {
        faults.push_back(std::string("unknown control symbol \\") + next);
        ++i;
      }
    } else {
      const auto byte = static_cast<unsigned char>(c);
      if ((byte < 32 && c != '\r' && c != '\n') || byte >= 126)
        faults.push_back("raw byte " + std::to_string(byte) + " at " + std::to_string(i));
      if (c != '\r' && c != '\n') tokens.push_back({Token::text, std::string(1, c), {}, depth});
    }
  }
  if (depth > 0) faults.push_back(std::to_string(depth) + " group(s) left open");
  return tokens;
}

// The word that names the group opened at `open`: the first word, after "\*" when there is one.
std::string destinationAt(const std::vector<Token>& tokens, std::size_t open) {
  std::size_t i = open + 1;
  if (i < tokens.size() && tokens[i].kind == Token::symbol) ++i;
  return i < tokens.size() && tokens[i].kind == Token::word ? tokens[i].name : "";
}

// Past the group opened at `open`.
std::size_t groupEnd(const std::vector<Token>& tokens, std::size_t open) {
  std::size_t i = open + 1;
  while (i < tokens.size() && !(tokens[i].kind == Token::close && tokens[i].depth == tokens[open].depth)) ++i;
  return i + 1;
}

}  // namespace

std::vector<std::string> rtfFaults(std::string_view rtf) {
  std::vector<std::string> faults;
  if (!rtf.starts_with("{\\rtf1\\ansi\\deff0{\\fonttbl"))
    faults.push_back("the document does not open with the header");
  const std::vector<Token> tokens = tokenize(rtf, faults);
  if (!rtf.ends_with("}") || tokens.empty() || tokens.back().kind != Token::close || tokens.back().depth != 0)
    faults.push_back("the document does not end with its closing \"}\"");
  if (!faults.empty()) return faults;

  // The header: \rtf1\ansi\deff0, the font, colour and style tables, the page geometry.
  std::size_t i = 4;
  int fonts = 0;
  int colours = 0;
  int styles = 0;
  for (const std::string_view table : {"fonttbl", "colortbl", "stylesheet"}) {
    if (i >= tokens.size() || tokens[i].kind != Token::open || destinationAt(tokens, i) != table) {
      faults.push_back("the header lacks {\\" + std::string(table) + "} in its place");
      return faults;
    }
    const std::size_t end = groupEnd(tokens, i);
    for (std::size_t t = i + 1; t < end; ++t) {
      const Token& token = tokens[t];
      if (table == "fonttbl" && token.kind == Token::word && token.name == "f" && token.depth == 3) {
        if (token.param != fonts) faults.push_back("font " + std::to_string(fonts) + " is numbered otherwise");
        ++fonts;
      }
      if (table == "colortbl" && token.kind == Token::text && token.name == ";") ++colours;
      if (table == "stylesheet" && token.kind == Token::word && token.name == "s" && token.depth == 3) {
        if (token.param != styles + 1)
          faults.push_back("style " + std::to_string(styles + 1) + " is numbered otherwise");
        ++styles;
      }
    }
    i = end;
  }
  for (const std::string_view word : {"paperw", "paperh", "margt", "margb", "margl", "margr"}) {
    if (i >= tokens.size() || tokens[i].kind != Token::word || tokens[i].name != word)
      faults.push_back("page geometry \\" + std::string(word) + " missing in its place");
    ++i;
  }

  // Numbers that name entries of the tables, after the font table (the colour table's
  // first entry is the empty one).
  const std::size_t fontTableEnd = groupEnd(tokens, 4);
  for (std::size_t t = fontTableEnd; t < tokens.size(); ++t) {
    const Token& token = tokens[t];
    if (token.kind != Token::word || !token.param) continue;
    const long long n = *token.param;
    const std::string named = "\\" + token.name + std::to_string(n);
    if ((token.name == "f" || token.name == "pnf") && (n < 0 || n >= fonts)) faults.push_back(named + " names no font");
    if ((token.name == "cf" || token.name == "clcbpat") && (n < 1 || n >= colours))
      faults.push_back(named + " names no colour");
    if (token.name == "s" && (n < 1 || n > styles)) faults.push_back(named + " names no style");
  }
  return faults;
}

void expectSoundRtf(std::string_view rtf) {
  const std::vector<std::string> faults = rtfFaults(rtf);
  std::string listed;
  for (const std::string& fault : faults) listed += "  " + fault + "\n";
  EXPECT_TRUE(faults.empty()) << "RTF faults:\n" << listed << "in:\n" << rtf;
}

}  // namespace zeb::testing
