// Paragraph queries.
#include "text/paragraph.h"

#include <algorithm>

namespace zeb {

const TZEBFontStyle* TZEBparag::runAt(int index) const {
  if (Cells.empty()) return nullptr;
  for (int i = std::min(index, static_cast<int>(Cells.size()) - 1); i >= 0; --i) {
    const std::int32_t run = Cells[static_cast<std::size_t>(i)].RunStyle;
    if (run >= 0 && run < static_cast<std::int32_t>(RunStyles.size()))
      return RunStyles[static_cast<std::size_t>(run)].get();
  }
  return nullptr;
}

}  // namespace zeb
