// Fuzzes the book search's reading of page markup. The first line of the input is the
// query: the options digit (bit 0 whole words, bit 1 match case), the text-format digit
// and the four terms, separated by tabs; the rest is the page's markup, in a buffer of
// exactly its size. Three readings must agree: the quick test on the markup, the test on
// the plain text, and a plain text built here one byte at a time by the stated rules.
#include "document/search_text.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/markup_search.h"
#include "platform/windows1252.h"

namespace {

void require(bool condition) {
  if (!condition) __builtin_trap();
}

// The plain text by the rules, without the fast paths: text outside tags (lower-cased
// unless the case must match); in current markup "<D", "<F" and "<R" run to "<d>", "<f>"
// and "<r>" and "<Z" adds CR LF; every other tag runs to the next ">".
std::string referencePlainText(std::string_view markup, int textFormat, bool matchCase) {
  std::string plain;
  std::size_t i = 0;
  while (i < markup.size()) {
    const char c = markup[i];
    if (c != '<') {
      plain += matchCase ? c : static_cast<char>(zeb::lowerWindows1252(static_cast<std::uint8_t>(c)));
      ++i;
      continue;
    }
    const char kind = i + 1 < markup.size() ? markup[i + 1] : '\0';
    std::size_t end = std::string_view::npos;
    if (textFormat != 1 && (kind == 'D' || kind == 'F' || kind == 'R')) {
      const std::string closing = {'<', static_cast<char>(kind + ('a' - 'A')), '>'};
      end = markup.find(closing, i + 2);
      if (end != std::string_view::npos) end += 3;
    } else {
      if (textFormat != 1 && kind == 'Z') plain += "\r\n";
      end = markup.find('>', i + 1);
      if (end != std::string_view::npos) end += 1;
    }
    i = end == std::string_view::npos ? markup.size() : end;
  }
  return plain;
}

std::vector<std::string_view> fields(std::string_view line) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    parts.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return parts;
    start = tab + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t lineEnd = input.find('\n');
  if (lineEnd == std::string_view::npos) return 0;
  std::vector<std::string_view> query = fields(input.substr(0, lineEnd));
  query.resize(6);
  const int options = query[0].empty() ? 0 : (query[0][0] - '0') & 3;
  const int textFormat = !query[1].empty() && query[1][0] == '1' ? 1 : 2;
  const bool matchCase = (options & zeb::searchMatchCase) != 0;
  const zeb::SearchTerms terms{std::string(query[2]), std::string(query[3]), std::string(query[4]),
                               std::string(query[5])};

  const std::size_t markupSize = size - lineEnd - 1;
  auto exact = std::make_unique<std::uint8_t[]>(markupSize);
  if (markupSize > 0) std::memcpy(exact.get(), data + lineEnd + 1, markupSize);
  const std::span<const std::uint8_t> markup(exact.get(), markupSize);

  zeb::PageQuery quick(terms, options);
  zeb::PageQuery plain(terms, options);
  const std::string quickTerm(quick.test(markup, textFormat));
  const std::string plainTerm(plain.testByPlainText(markup, textFormat));
  require(quickTerm == plainTerm);
  // The same agreement in another code page, which the options' second character picks.
  if (query[0].size() > 1) {
    const auto codePages = zeb::readableCodePages();
    const std::uint16_t codePage = codePages[static_cast<unsigned char>(query[0][1]) % codePages.size()];
    zeb::PageQuery quickIn(terms, options, codePage);
    zeb::PageQuery plainIn(terms, options, codePage);
    require(quickIn.test(markup, textFormat) == plainIn.testByPlainText(markup, textFormat));
  }

  const std::string reference =
      referencePlainText({reinterpret_cast<const char*>(markup.data()), markup.size()}, textFormat, matchCase);
  if (plain.hasTerms() && !markup.empty()) require(plain.plainText() == reference);

  // Each term on its own, against the reference text.
  for (const std::string_view term : {query[2], query[3], query[4], query[5]}) {
    const std::string wanted = matchCase ? std::string(term) : zeb::lowerWindows1252(term);
    if (const auto held = zeb::markupHolds(markup, textFormat, wanted, matchCase))
      require(*held == (reference.find(wanted) != std::string::npos));
  }
  return 0;
}
