// Finding a term in the plain text of a page without building that text: the term is
// matched against the markup itself, skipping the tags it meets on the way. The rules for
// skipping a tag are here too, shared with the building of the plain text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zeb {

// How a term meets the text: a text byte counts as its lower case by the table (none: the
// case must match), and a match can only start at one of the two bytes.
struct TermFolding {
  const std::array<std::uint8_t, 256>* lower = nullptr;
  std::uint8_t first = 0;
  std::uint8_t other = 0;
};

// Whether the plain text of the markup holds the term (already lower-cased unless the case
// must match). Nothing when this way cannot tell and the plain text must be built: terms
// with line breaks or angle brackets, and matches after the start of a skipped block.
std::optional<bool> markupHolds(std::span<const std::uint8_t> markup, int textFormat, std::string_view term,
                                const TermFolding& folding);
// The same for a term of a Windows-1252 text.
std::optional<bool> markupHolds(std::span<const std::uint8_t> markup, int textFormat, std::string_view term,
                                bool matchCase);

// Position just after the next occurrence of the needle at or after from; the end when none.
inline std::size_t afterNeedle(const std::uint8_t* data, std::size_t size, std::size_t from, std::string_view needle) {
  if (from >= size) return size;
  const void* found = memmem(data + from, size - from, needle.data(), needle.size());
  if (found == nullptr) return size;
  return static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - data) + needle.size();
}

// Position just after the next ">" at or after from; the end when none. Tags are short, so
// the first block nearly always holds it.
inline std::size_t afterTagEnd(const std::uint8_t* data, std::size_t size, std::size_t from) {
#if defined(__SSE2__)
  const __m128i close = _mm_set1_epi8('>');
  for (; from + 16 <= size; from += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
    const unsigned found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, close)));
    if (found != 0) return from + static_cast<unsigned>(__builtin_ctz(found)) + 1;
  }
#endif
  for (; from < size; ++from)
    if (data[from] == '>') return from + 1;
  return size;
}

// The tag letters that open a block in current markup: "<D", "<F" and "<R" run to "<d>",
// "<f>" and "<r>".
inline bool isBlockTag(std::uint8_t kind) { return kind == 'D' || kind == 'F' || kind == 'R'; }

// Where the plain text goes on after the tag whose "<" is at i: past the closing tag of a
// block, else past the tag's ">"; the end when there is none. The older markup (text
// format 1) has no blocks.
inline std::size_t skipTag(const std::uint8_t* data, std::size_t size, std::size_t i, int textFormat) {
  const std::uint8_t kind = i + 1 < size ? data[i + 1] : 0;
  if (textFormat != 1 && isBlockTag(kind)) {
    const char closing[3] = {'<', static_cast<char>(kind + ('a' - 'A')), '>'};
    return afterNeedle(data, size, i + 2, std::string_view(closing, 3));
  }
  return afterTagEnd(data, size, i + 1);
}

}  // namespace zeb
