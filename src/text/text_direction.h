// Text that runs right to left: the embedding level of each character of a paragraph, found
// by the rules of the Unicode bidirectional algorithm that plain text needs (no explicit
// embeddings), and the order in which the characters of a line stand from left to right.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zeb {

class CodePage;
class TZEBparag;

// The paragraph's own level (0 left to right, 1 right to left, by its first strong letter),
// then the level of each of its characters: even runs left to right, odd right to left.
// Empty when the paragraph has no right-to-left letter: then it all runs left to right.
// An embedded object counts as a neutral character.
std::vector<std::uint8_t> directionLevels(const TZEBparag& paragraph, const CodePage& codePage);

// The characters first .. first + count - 1 of a line in the order they stand from left to
// right. Blanks at the end of the line take the paragraph's level, as a line's trailing
// white space does.
std::vector<int> visualOrder(std::span<const std::uint8_t> levels, const TZEBparag& paragraph, int first, int count);

}  // namespace zeb
