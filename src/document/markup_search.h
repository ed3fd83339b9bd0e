// Finding a term in the plain text of a page without building that text: the term is
// matched against the markup itself, skipping the tags it meets on the way.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zeb {

// Whether the plain text of the markup holds the term (already lower-cased unless the case
// must match). Nothing when this way cannot tell and the plain text must be built: terms
// with line breaks or angle brackets, and matches after the start of a skipped block.
std::optional<bool> markupHolds(std::span<const std::uint8_t> markup, int textFormat, std::string_view term,
                                bool matchCase);

}  // namespace zeb
