// Direction levels and the visual order of lines.
#include "text/text_direction.h"

#include <algorithm>

#include "platform/code_pages.h"
#include "text/paragraph.h"

namespace zeb {
namespace {

enum class Strength : std::uint8_t { left, right, number, neutral };

Strength strengthOf(const TZEBparag& paragraph, int i, const CodePage& codePage) {
  if (paragraph.Cells[static_cast<std::size_t>(i)].ObjectIndex >= 0) return Strength::neutral;
  switch (codePage.direction(static_cast<std::uint8_t>(paragraph.Text[static_cast<std::size_t>(i)]))) {
    case CharacterDirection::leftToRight: return Strength::left;
    case CharacterDirection::rightToLeft: return Strength::right;
    case CharacterDirection::number: return Strength::number;
    case CharacterDirection::neutral: break;
  }
  return Strength::neutral;
}

}  // namespace

std::vector<std::uint8_t> directionLevels(const TZEBparag& paragraph, const CodePage& codePage) {
  if (!codePage.hasRightToLeftLetters() || paragraph.Cells.size() < paragraph.Text.size()) return {};
  const int length = paragraph.length();
  std::vector<Strength> types(static_cast<std::size_t>(length));
  bool anyRight = false;
  for (int i = 0; i < length; ++i) {
    types[static_cast<std::size_t>(i)] = strengthOf(paragraph, i, codePage);
    anyRight = anyRight || types[static_cast<std::size_t>(i)] == Strength::right;
  }
  if (!anyRight) return {};

  // The paragraph's level: that of its first strong letter.
  const auto firstStrong = std::find_if(
      types.begin(), types.end(), [](Strength type) { return type == Strength::left || type == Strength::right; });
  const Strength embedding = firstStrong != types.end() ? *firstStrong : Strength::left;

  // A number after left-to-right letters (or at the start of a left-to-right paragraph) is
  // left to right itself.
  Strength lastStrong = embedding;
  for (Strength& type : types) {
    if (type == Strength::left || type == Strength::right) lastStrong = type;
    if (type == Strength::number && lastStrong == Strength::left) type = Strength::left;
  }
  // Neutrals between two of one direction take it (numbers count as right to left); others
  // the paragraph's.
  for (int i = 0; i < length;) {
    if (types[static_cast<std::size_t>(i)] != Strength::neutral) {
      ++i;
      continue;
    }
    int end = i;
    while (end < length && types[static_cast<std::size_t>(end)] == Strength::neutral) ++end;
    auto side = [&](int at) {
      if (at < 0 || at >= length) return embedding;
      const Strength type = types[static_cast<std::size_t>(at)];
      return type == Strength::number ? Strength::right : type;
    };
    const Strength before = side(i - 1);
    const Strength resolved = before == side(end) ? before : embedding;
    for (int k = i; k < end; ++k) types[static_cast<std::size_t>(k)] = resolved;
    i = end;
  }

  const std::uint8_t base = embedding == Strength::right ? 1 : 0;
  std::vector<std::uint8_t> levels(static_cast<std::size_t>(length));
  for (int i = 0; i < length; ++i) {
    const Strength type = types[static_cast<std::size_t>(i)];
    std::uint8_t level = base;
    if (base == 0) {
      if (type == Strength::right) level = 1;
      if (type == Strength::number) level = 2;
    } else if (type == Strength::left || type == Strength::number) {
      level = 2;
    }
    levels[static_cast<std::size_t>(i)] = level;
  }
  // The paragraph's level is kept in front of the characters' ones.
  levels.insert(levels.begin(), base);
  return levels;
}

std::vector<int> visualOrder(std::span<const std::uint8_t> levels, const TZEBparag& paragraph, int first, int count) {
  std::vector<int> order(static_cast<std::size_t>(std::max(count, 0)));
  for (int k = 0; k < count; ++k) order[static_cast<std::size_t>(k)] = first + k;
  if (levels.empty() || count <= 0) return order;
  const std::uint8_t base = levels.front();
  std::vector<std::uint8_t> line(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) {
    const std::size_t at = static_cast<std::size_t>(first + k) + 1;
    line[static_cast<std::size_t>(k)] = at < levels.size() ? levels[at] : base;
  }
  for (int k = count - 1; k >= 0 && paragraph.Text[static_cast<std::size_t>(first + k)] == ' '; --k)
    line[static_cast<std::size_t>(k)] = base;
  // From the highest level down to the lowest odd one, every run at that level or above is
  // reversed.
  const std::uint8_t highest = *std::max_element(line.begin(), line.end());
  for (int level = highest; level >= 1; --level) {
    for (int k = 0; k < count;) {
      if (line[static_cast<std::size_t>(k)] < level) {
        ++k;
        continue;
      }
      int end = k;
      while (end < count && line[static_cast<std::size_t>(end)] >= level) ++end;
      std::reverse(order.begin() + k, order.begin() + end);
      std::reverse(line.begin() + k, line.begin() + end);
      k = end;
    }
  }
  return order;
}

}  // namespace zeb
