// Clipboard in memory.
#include "platform/headless/memory_clipboard.h"

namespace zeb {

void MemoryClipboard::clear() {
  formats_.clear();
  rtf_.reset();
  plainText_.reset();
  picture_.reset();
}

void MemoryClipboard::setFormat(std::string_view format, std::span<const std::uint8_t> bytes) {
  formats_[std::string(format)] = {bytes.begin(), bytes.end()};
}

void MemoryClipboard::setRtf(std::span<const std::uint8_t> bytes) { rtf_ = std::vector<std::uint8_t>(bytes.begin(), bytes.end()); }
void MemoryClipboard::setPlainText(std::string_view text, std::uint16_t codePage) {
  plainText_ = std::string(text);
  plainTextCodePage_ = codePage;
}
void MemoryClipboard::setPicture(const RgbaImage& picture) { picture_ = picture; }

std::optional<std::vector<std::uint8_t>> MemoryClipboard::format(std::string_view name) const {
  const auto found = formats_.find(name);
  if (found == formats_.end()) return std::nullopt;
  return found->second;
}

}  // namespace zeb
