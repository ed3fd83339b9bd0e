// Short strings inside records.
#include "document/object_record.h"

#include <algorithm>

namespace zeb {

std::string ObjectRecord::shortString(int offset, int maxLength) const {
  if (!fits(offset, 1)) return {};
  const int available = std::min(maxLength, recordSize - offset - 1);
  const int length = std::min<int>(bytes_[index(offset)], available);
  const auto first = bytes_.begin() + offset + 1;
  return std::string(first, first + length);
}

void ObjectRecord::setShortString(int offset, int maxLength, std::string_view text) {
  if (!fits(offset, 1)) return;
  const int available = std::min(maxLength, recordSize - offset - 1);
  const int length = std::min<int>(static_cast<int>(text.size()), available);
  bytes_[index(offset)] = static_cast<std::uint8_t>(length);
  std::copy_n(text.begin(), length, bytes_.begin() + offset + 1);
  std::fill(bytes_.begin() + offset + 1 + length, bytes_.begin() + offset + 1 + available, 0);
}

void ObjectRecord::fillRange(int offset, int count, std::uint8_t value) {
  const int first = std::clamp(offset, 0, recordSize);
  const int last = std::clamp(offset + count, first, recordSize);
  std::fill(bytes_.begin() + first, bytes_.begin() + last, value);
}

}  // namespace zeb
