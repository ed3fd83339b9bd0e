// TextPos: a position in a text box, with the coordinates of its character.
#pragma once

#include <cstdint>

namespace zeb {

class TZEBparag;

struct TextPos {
  TZEBparag* paragraph = nullptr;  // not owned
  std::int32_t paragraphIndex = 0;
  std::int32_t lineIndex = 0;
  std::int32_t charIndex = 0;
  std::int32_t Y = 0;  // top of the line, box coordinates
  std::int32_t LineHeight = 0;
  std::int32_t X = 0;     // left edge of the character
  std::int32_t XEnd = 0;  // right edge of the character
};

// Positions compared by their place in the text: paragraph, then character.
inline bool samePlace(const TextPos& a, const TextPos& b) {
  return a.paragraphIndex == b.paragraphIndex && a.charIndex == b.charIndex;
}
inline bool comesBefore(const TextPos& a, const TextPos& b) {
  return a.paragraphIndex != b.paragraphIndex ? a.paragraphIndex < b.paragraphIndex : a.charIndex < b.charIndex;
}

}  // namespace zeb
