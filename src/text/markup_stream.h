// MarkupStream: a text in memory and the position the reader has reached in it; and the
// limits that keep a damaged text from making the reader build without bound.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace zeb {

namespace limits {
// Tables inside table cells inside table cells...: deeper tables keep their cell texts
// unread (the texts then read as ordinary paragraphs).
inline constexpr int maxTableNesting = 8;
// Cell boxes one load may make; a table beyond it reads no cell texts either.
inline constexpr std::int64_t maxCellsPerLoad = 20000;
}  // namespace limits

// The text ends at a zero byte or at the end of the bytes, whichever comes first; the
// reader never looks past either.
struct MarkupStream {
  std::span<const std::uint8_t> bytes;
  std::size_t position = 0;

  std::size_t size() const { return bytes.size(); }
};

// What is left of the limits during one load.
struct ReadBudget {
  int tableDepth = 0;
  std::int64_t cellsLeft = limits::maxCellsPerLoad;
};

}  // namespace zeb
