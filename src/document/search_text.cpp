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
#include "document/container.h"

namespace zeb {
namespace {

// The table that keeps every byte, for searches that match case.
const std::array<std::uint8_t, 256>& sameBytes() {
  static const std::array<std::uint8_t, 256> table = [] {
    std::array<std::uint8_t, 256> bytes{};
    for (int byte = 0; byte < 256; ++byte) bytes[static_cast<std::size_t>(byte)] = static_cast<std::uint8_t>(byte);
    return bytes;
  }();
  return table;
}

// How runs are lower-cased sixteen bytes at a time: by the Windows-1252 arithmetic below, or,
// for another code page, A-Z at once and the bytes from 0x80 up through its table.
enum class BlockCase { none, windows1252, table };

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

inline __m128i lowerBlockByTable(__m128i block, const std::array<std::uint8_t, 256>& table) {
  const __m128i flipped = _mm_xor_si128(block, _mm_set1_epi8(static_cast<char>(0x80)));
  __m128i lowered = _mm_add_epi8(block, _mm_and_si128(inRange(flipped, 'A', 'Z'), _mm_set1_epi8(0x20)));
  if (_mm_movemask_epi8(block) == 0) return lowered;
  alignas(16) std::array<std::uint8_t, 16> bytes{};
  _mm_store_si128(reinterpret_cast<__m128i*>(bytes.data()), block);
  for (std::uint8_t& byte : bytes) byte = table[byte];
  return _mm_load_si128(reinterpret_cast<const __m128i*>(bytes.data()));
}
#endif

// Copies text up to the next "<" (or the end), lower-casing it unless the table keeps case;
// returns where the copy stopped. The output may be written up to sixteen bytes further
// than the copied text: the buffer keeps that much room.
std::size_t copyRun(const std::uint8_t* data, std::size_t i, std::size_t size, char*& out,
                    const std::array<std::uint8_t, 256>& table, BlockCase blockCase) {
#if defined(__SSE2__)
  const __m128i open = _mm_set1_epi8('<');
  while (i + 16 <= size) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    const unsigned tags = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, open)));
    const __m128i copied = blockCase == BlockCase::windows1252 ? lowerBlock(block)
                           : blockCase == BlockCase::table     ? lowerBlockByTable(block, table)
                                                               : block;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), copied);
    const unsigned kept = tags != 0 ? static_cast<unsigned>(__builtin_ctz(tags)) : 16u;
    out += kept;
    i += kept;
    if (tags != 0) return i;
  }
#else
  (void)blockCase;
#endif
  for (; i < size && data[i] != '<'; ++i) *out++ = static_cast<char>(table[data[i]]);
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

PageQuery::PageQuery(int options, std::uint16_t codePage)
    : matchCase_((options & searchMatchCase) != 0), codePage_(&CodePage::of(codePage)) {}

PageQuery::PageQuery(SearchTerms terms, int options, std::uint16_t codePage) : PageQuery(options, codePage) {
  normaliseTerms(terms);
  a_.bytes = std::move(terms.a);
  b_.bytes = std::move(terms.b);
  c_.bytes = std::move(terms.c);
  d_.bytes = std::move(terms.d);
  for (Term* term : {&a_, &b_, &c_, &d_}) prepare(*term);
}

PageQuery PageQuery::ofTypedTerms(const SearchTerms& typed, int options, std::uint16_t codePage) {
  SearchTerms terms = typed;
  // Converting keeps every term empty or not, so the terms move as their bytes would.
  normaliseTerms(terms);
  PageQuery query(options, codePage);
  const std::string* sources[] = {&terms.a, &terms.b, &terms.c, &terms.d};
  Term* targets[] = {&query.a_, &query.b_, &query.c_, &query.d_};
  for (std::size_t k = 0; k < 4; ++k) {
    std::optional<std::string> bytes = query.codePage_->encode(*sources[k]);
    targets[k]->matchable = bytes.has_value();
    // A term that cannot match keeps its place (it is not empty) with a byte of its own.
    targets[k]->bytes = bytes ? std::move(*bytes) : std::string("?");
    query.prepare(*targets[k]);
  }
  return query;
}

void PageQuery::prepare(Term& term) const {
  if (!matchCase_) term.bytes = codePage_->lower(term.bytes);
  if (term.bytes.empty()) return;
  term.first = term.other = static_cast<std::uint8_t>(term.bytes.front());
  if (matchCase_) return;
  std::array<std::uint8_t, 4> bytes{};
  const int count = codePage_->bytesLoweringTo(term.first, bytes);
  if (count == 2) term.other = bytes[1];
  term.candidatesKnown = count <= 2;
}

void PageQuery::buildPlainText(std::span<const std::uint8_t> markup, int textFormat) {
  const std::uint8_t* data = markup.data();
  const std::size_t size = markup.size();
  // Paragraph starts turn at least two bytes into CR LF, so the plain text is never longer;
  // the sixteen bytes more are the room the block copy writes into.
  if (plain_.size() < size + 16) plain_.resize(size + 16);
  char* out = plain_.data();
  const auto& table = matchCase_ ? sameBytes() : codePage_->lowerTable();
  const BlockCase blockCase = matchCase_                                           ? BlockCase::none
                              : codePage_->number() == codePage::windows1252 ? BlockCase::windows1252
                                                                                  : BlockCase::table;

  std::size_t i = 0;
  while (i < size) {
    i = copyRun(data, i, size, out, table, blockCase);
    if (i >= size) break;
    if (textFormat != 1 && i + 1 < size && data[i + 1] == 'Z') {
      *out++ = '\r';
      *out++ = '\n';
    }
    i = skipTag(data, size, i, textFormat);
  }
  plainLength_ = static_cast<std::size_t>(out - plain_.data());
}

bool PageQuery::contains(const Term& term) const {
  return term.matchable && holds(plain_.data(), plainLength_, term.bytes);
}

template <typename Holds>
std::string_view PageQuery::heldTerm(Holds holds) const {
  if (!a_.bytes.empty() && holds(a_) && (b_.bytes.empty() || holds(b_))) return a_.bytes;
  if (!c_.bytes.empty() && holds(c_) && (d_.bytes.empty() || holds(d_))) return c_.bytes;
  return {};
}

std::string_view PageQuery::test(std::span<const std::uint8_t> markup, int textFormat) {
  if (!hasTerms() || markup.empty()) return {};
  // Most answers come straight from the markup; the plain text is built only when needed.
  bool built = false;
  auto holdsTerm = [&](const Term& term) {
    if (!term.matchable) return false;
    if (!built) {
      if (term.candidatesKnown) {
        const TermFolding folding{matchCase_ ? nullptr : &codePage_->lowerTable(), term.first, term.other};
        if (const auto answer = markupHolds(markup, textFormat, term.bytes, folding)) return *answer;
      }
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
  return heldTerm([this](const Term& term) { return contains(term); });
}

std::string_view BookQuery::test(std::span<const std::uint8_t> markup, int textFormat, std::uint16_t codePage) {
  for (auto& [number, query] : queries_)
    if (number == codePage) return query.test(markup, textFormat);
  queries_.emplace_back(codePage, PageQuery::ofTypedTerms(typed_, options_, codePage));
  return queries_.back().second.test(markup, textFormat);
}

std::string plainTextSearch(TZEBtesto& page, const SearchTerms& terms, int options) {
  const std::uint16_t codePage = page.Container() != nullptr ? page.Container()->codePageOf(page) : codePage::windows1252;
  PageQuery query(terms, options, codePage);
  return std::string(query.test(page.text(), page.textFormat()));
}

}  // namespace zeb
