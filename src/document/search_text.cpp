// Plain text for the book search. Characters outside tags are kept (lower-cased unless the
// case must match). In current markup "<D", "<F" and "<R" open blocks that run to "<d>",
// "<f>" and "<r>", "<Z" (a new paragraph) becomes CR LF, and every other tag runs to the
// next ">"; in the older markup every tag runs to the next ">". Entities stay as written.
//
// This is the hot path of every search, so text runs are copied and lower-cased sixteen
// bytes at a time, and terms are found with a first-and-last-byte filter over the same
// blocks; both fall back to plain loops where SSE2 is missing.
#include "document/search_text.h"

#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "document/markup_search.h"
#include "document/page_object.h"
#include "platform/windows1252.h"

namespace zeb {
namespace {

struct CaseTables {
  std::array<char, 256> lower{};
  std::array<char, 256> same{};
  CaseTables() {
    for (int byte = 0; byte < 256; ++byte) {
      lower[static_cast<std::size_t>(byte)] = static_cast<char>(lowerWindows1252(static_cast<std::uint8_t>(byte)));
      same[static_cast<std::size_t>(byte)] = static_cast<char>(byte);
    }
  }
};

const CaseTables& caseTables() {
  static const CaseTables tables;
  return tables;
}

#if defined(__SSE2__)
// Whether each byte lies in first..last, unsigned: flipping the top bit turns the unsigned
// order into the signed one that SSE2 compares.
inline __m128i inRange(__m128i flipped, char first, char last) {
  const __m128i low = _mm_set1_epi8(static_cast<char>(first ^ 0x80));
  const __m128i high = _mm_set1_epi8(static_cast<char>(last ^ 0x80));
  return _mm_andnot_si128(_mm_or_si128(_mm_cmplt_epi8(flipped, low), _mm_cmpgt_epi8(flipped, high)),
                          _mm_set1_epi8(-1));
}

// The Windows-1252 lower case of sixteen bytes: A-Z and the accented capitals 0xC0-0xDE
// (not 0xD7) gain 0x20; 0x8A, 0x8C and 0x8E gain 0x10; 0x9F becomes 0xFF.
inline __m128i lowerBlock(__m128i block) {
  const __m128i flipped = _mm_xor_si128(block, _mm_set1_epi8(static_cast<char>(0x80)));
  const __m128i letters = _mm_or_si128(inRange(flipped, 'A', 'Z'),
                                       _mm_andnot_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8(static_cast<char>(0xD7))),
                                                        inRange(flipped, static_cast<char>(0xC0), static_cast<char>(0xDE))));
  const __m128i carons = _mm_or_si128(
      _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8(static_cast<char>(0x8A))),
                   _mm_cmpeq_epi8(block, _mm_set1_epi8(static_cast<char>(0x8C)))),
      _mm_cmpeq_epi8(block, _mm_set1_epi8(static_cast<char>(0x8E))));
  const __m128i yDiaeresis = _mm_cmpeq_epi8(block, _mm_set1_epi8(static_cast<char>(0x9F)));
  __m128i offset = _mm_and_si128(letters, _mm_set1_epi8(0x20));
  offset = _mm_or_si128(offset, _mm_and_si128(carons, _mm_set1_epi8(0x10)));
  offset = _mm_or_si128(offset, _mm_and_si128(yDiaeresis, _mm_set1_epi8(0x60)));
  return _mm_add_epi8(block, offset);
}
#endif

// Copies text up to the next "<" (or the end), lower-casing it unless the table keeps case;
// returns where the copy stopped. The output may be written up to sixteen bytes further
// than the copied text: the buffer keeps that much room.
std::size_t copyRun(const std::uint8_t* data, std::size_t i, std::size_t size, char*& out,
                    const std::array<char, 256>& table, bool lowerCase) {
#if defined(__SSE2__)
  const __m128i open = _mm_set1_epi8('<');
  while (i + 16 <= size) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    const unsigned tags = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, open)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), lowerCase ? lowerBlock(block) : block);
    const unsigned kept = tags != 0 ? static_cast<unsigned>(__builtin_ctz(tags)) : 16u;
    out += kept;
    i += kept;
    if (tags != 0) return i;
  }
#else
  (void)lowerCase;
#endif
  for (; i < size && data[i] != '<'; ++i) *out++ = table[data[i]];
  return i;
}

// Whether the text holds the term, testing its first and last bytes sixteen positions at a
// time and comparing the whole term only where both agree.
bool holds(const char* text, std::size_t size, std::string_view term) {
  const std::size_t length = term.size();
  if (length == 0 || length > size) return length == 0;
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i first = _mm_set1_epi8(term.front());
  const __m128i last = _mm_set1_epi8(term.back());
  for (; i + length - 1 + 16 <= size; i += 16) {
    const __m128i starts = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
    const __m128i ends = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i + length - 1));
    unsigned candidates = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(starts, first), _mm_cmpeq_epi8(ends, last))));
    while (candidates != 0) {
      const unsigned k = static_cast<unsigned>(__builtin_ctz(candidates));
      if (std::memcmp(text + i + k, term.data(), length) == 0) return true;
      candidates &= candidates - 1;
    }
  }
#endif
  return memmem(text + i, size - i, term.data(), length) != nullptr;
}

}  // namespace

void normaliseTerms(SearchTerms& terms) {
  // D moves up first, so that a D given alone reaches A through C.
  if (terms.c.empty() && !terms.d.empty()) {
    terms.c = std::move(terms.d);
    terms.d.clear();
  }
  if (terms.a.empty() && !terms.b.empty()) {
    terms.a = std::move(terms.b);
    terms.b.clear();
  }
  if (terms.a.empty() && terms.b.empty()) {
    terms.a = std::move(terms.c);
    terms.b = std::move(terms.d);
    terms.c.clear();
    terms.d.clear();
  }
}

PageQuery::PageQuery(SearchTerms terms, int options)
    : terms_(std::move(terms)), matchCase_((options & searchMatchCase) != 0) {
  normaliseTerms(terms_);
  if (!matchCase_) {
    for (std::string* term : {&terms_.a, &terms_.b, &terms_.c, &terms_.d}) *term = lowerWindows1252(*term);
  }
}

void PageQuery::buildPlainText(std::span<const std::uint8_t> markup, int textFormat) {
  const std::uint8_t* data = markup.data();
  const std::size_t size = markup.size();
  // Paragraph starts turn at least two bytes into CR LF, so the plain text is never longer;
  // the sixteen bytes more are the room the block copy writes into.
  if (plain_.size() < size + 16) plain_.resize(size + 16);
  char* out = plain_.data();
  const bool lowerCase = !matchCase_;
  const auto& table = lowerCase ? caseTables().lower : caseTables().same;

  std::size_t i = 0;
  while (i < size) {
    i = copyRun(data, i, size, out, table, lowerCase);
    if (i >= size) break;
    if (textFormat != 1 && i + 1 < size && data[i + 1] == 'Z') {
      *out++ = '\r';
      *out++ = '\n';
    }
    i = skipTag(data, size, i, textFormat);
  }
  plainLength_ = static_cast<std::size_t>(out - plain_.data());
}

bool PageQuery::contains(std::string_view term) const { return holds(plain_.data(), plainLength_, term); }

template <typename Holds>
std::string_view PageQuery::heldTerm(Holds holds) const {
  if (!terms_.a.empty() && holds(terms_.a) && (terms_.b.empty() || holds(terms_.b))) return terms_.a;
  if (!terms_.c.empty() && holds(terms_.c) && (terms_.d.empty() || holds(terms_.d))) return terms_.c;
  return {};
}

std::string_view PageQuery::test(std::span<const std::uint8_t> markup, int textFormat) {
  if (!hasTerms() || markup.empty()) return {};
  // Most answers come straight from the markup; the plain text is built only when needed.
  bool built = false;
  auto holdsTerm = [&](const std::string& term) {
    if (!built) {
      if (const auto answer = markupHolds(markup, textFormat, term, matchCase_)) return *answer;
      buildPlainText(markup, textFormat);
      built = true;
    }
    return contains(term);
  };
  return heldTerm(holdsTerm);
}

std::string_view PageQuery::testByPlainText(std::span<const std::uint8_t> markup, int textFormat) {
  if (!hasTerms() || markup.empty()) return {};
  buildPlainText(markup, textFormat);
  return heldTerm([this](const std::string& term) { return contains(term); });
}

std::string plainTextSearch(TZEBtesto& page, const SearchTerms& terms, int options) {
  PageQuery query(terms, options);
  return std::string(query.test(page.text(), page.textFormat()));
}

}  // namespace zeb
