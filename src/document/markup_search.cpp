// Matching terms against markup. A candidate is a byte whose lower case is the term's first
// byte; from there the term is compared byte by byte, tags in between being skipped as the
// plain text skips them. A full match counts when its first byte lies outside every tag:
// the nearest "<" or ">" before it tells, because "<" outside a tag always opens one and
// ">" inside a tag always closes it. Blocks opened by "<D", "<F" and "<R" break that rule,
// so a match with such a block opened before it is left to the plain-text search.
#include "document/markup_search.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "platform/code_pages.h"

namespace zeb {
namespace {

#if defined(__x86_64__)
// The same thirty-two bytes at a time, on processors that have AVX2.
__attribute__((target("avx2"))) std::size_t nextCandidateWide(const std::uint8_t* data, std::size_t size,
                                                              std::size_t from, std::uint8_t one, std::uint8_t other) {
  const __m256i first = _mm256_set1_epi8(static_cast<char>(one));
  const __m256i second = _mm256_set1_epi8(static_cast<char>(other));
  for (; from + 32 <= size; from += 32) {
    const __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + from));
    const unsigned found = static_cast<unsigned>(
        _mm256_movemask_epi8(_mm256_or_si256(_mm256_cmpeq_epi8(block, first), _mm256_cmpeq_epi8(block, second))));
    if (found != 0) return from + static_cast<unsigned>(__builtin_ctz(found));
  }
  for (; from < size; ++from)
    if (data[from] == one || data[from] == other) return from;
  return size;
}

const bool hasAvx2 = __builtin_cpu_supports("avx2");
#endif

// The next position at or after from holding either byte; size when none.
std::size_t nextCandidate(const std::uint8_t* data, std::size_t size, std::size_t from, std::uint8_t one,
                          std::uint8_t other) {
#if defined(__x86_64__)
  if (hasAvx2) return nextCandidateWide(data, size, from, one, other);
#endif
#if defined(__SSE2__)
  const __m128i first = _mm_set1_epi8(static_cast<char>(one));
  const __m128i second = _mm_set1_epi8(static_cast<char>(other));
  for (; from + 16 <= size; from += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
    const unsigned found = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, first), _mm_cmpeq_epi8(block, second))));
    if (found != 0) return from + static_cast<unsigned>(__builtin_ctz(found));
  }
#endif
  for (; from < size; ++from)
    if (data[from] == one || data[from] == other) return from;
  return size;
}

bool insideTag(const std::uint8_t* data, std::size_t position) {
  while (position > 0) {
    const std::uint8_t byte = data[--position];
    if (byte == '>') return false;
    if (byte == '<') return true;
  }
  return false;
}

bool hasBlocks(const std::uint8_t* data, std::size_t size) {
  std::size_t i = 0;
#if defined(__SSE2__)
  // "<" in one block against the tag letters in the same block moved on by one byte.
  const __m128i open = _mm_set1_epi8('<');
  const __m128i d = _mm_set1_epi8('D');
  const __m128i f = _mm_set1_epi8('F');
  const __m128i r = _mm_set1_epi8('R');
  for (; i + 17 <= size; i += 16) {
    const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + 1));
    const __m128i letter = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(next, d), _mm_cmpeq_epi8(next, f)),
                                        _mm_cmpeq_epi8(next, r));
    if (_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(here, open), letter)) != 0) return true;
  }
#endif
  for (; i + 1 < size; ++i)
    if (data[i] == '<' && isBlockTag(data[i + 1])) return true;
  return false;
}

// Kept out of line: inlined, its block loop would be set up on every call of markupHolds,
// though a tag inside a match is rare.
[[gnu::noinline]] std::size_t skipTagInMatch(const std::uint8_t* data, std::size_t size, std::size_t i,
                                             int textFormat) {
  return skipTag(data, size, i, textFormat);
}

// Whether the term's plain text starts at the position, tags being skipped in between. A
// paragraph start would put CR LF in the plain text, which no term handled here holds.
bool matchesAt(const std::uint8_t* data, std::size_t size, std::size_t position, std::string_view term,
               int textFormat, const std::array<std::uint8_t, 256>* lower) {
  std::size_t j = 0;
  std::size_t i = position;
  while (j < term.size()) {
    if (i >= size) return false;
    const std::uint8_t byte = data[i];
    if (byte == '<') {
      if (textFormat != 1 && i + 1 < size && data[i + 1] == 'Z') return false;
      // A tag without its end runs to the end of the markup, where the term cannot fit.
      i = skipTagInMatch(data, size, i, textFormat);
      continue;
    }
    const std::uint8_t folded = lower == nullptr ? byte : (*lower)[byte];
    if (folded != static_cast<std::uint8_t>(term[j])) return false;
    ++i;
    ++j;
  }
  return true;
}

}  // namespace

std::optional<bool> markupHolds(std::span<const std::uint8_t> markup, int textFormat, std::string_view term,
                                const TermFolding& folding) {
  if (term.empty()) return true;
  if (term.find_first_of(std::string_view("\r\n<>\0", 5)) != std::string_view::npos) return std::nullopt;
  const std::uint8_t* data = markup.data();
  const std::size_t size = markup.size();
  const std::uint8_t first = folding.first;
  const std::uint8_t other = folding.other;

  for (std::size_t p = nextCandidate(data, size, 0, first, other); p < size;
       p = nextCandidate(data, size, p + 1, first, other)) {
    if (!matchesAt(data, size, p, term, textFormat, folding.lower) || insideTag(data, p)) continue;
    // Only a block opened before the match can hold it.
    if (textFormat != 1 && hasBlocks(data, p)) return std::nullopt;
    return true;
  }
  return false;
}

std::optional<bool> markupHolds(std::span<const std::uint8_t> markup, int textFormat, std::string_view term,
                                bool matchCase) {
  if (term.empty()) return true;
  const CodePage& page = CodePage::of(codePage::windows1252);
  const auto first = static_cast<std::uint8_t>(term.front());
  TermFolding folding{matchCase ? nullptr : &page.lowerTable(), first, first};
  if (!matchCase) {
    std::array<std::uint8_t, 4> bytes{};
    if (page.bytesLoweringTo(first, bytes) > 1) folding.other = bytes[1];
  }
  return markupHolds(markup, textFormat, term, folding);
}

}  // namespace zeb
