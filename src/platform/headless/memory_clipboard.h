// A clipboard held in memory: for the command line and for tests.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/clipboard.h"

namespace zeb {

class MemoryClipboard final : public Clipboard {
 public:
  void clear() override;
  void setFormat(std::string_view format, std::span<const std::uint8_t> bytes) override;
  void setRtf(std::span<const std::uint8_t> bytes) override;
  void setPlainText(std::string_view text, std::uint16_t codePage) override;
  void setPicture(const RgbaImage& picture) override;

  std::optional<std::vector<std::uint8_t>> format(std::string_view name) const;
  const std::optional<std::vector<std::uint8_t>>& rtf() const { return rtf_; }
  // The plain text as given, in the code page given with it.
  const std::optional<std::string>& plainText() const { return plainText_; }
  std::uint16_t plainTextCodePage() const { return plainTextCodePage_; }
  const std::optional<RgbaImage>& picture() const { return picture_; }

 private:
  std::map<std::string, std::vector<std::uint8_t>, std::less<>> formats_;
  std::optional<std::vector<std::uint8_t>> rtf_;
  std::optional<std::string> plainText_;
  std::uint16_t plainTextCodePage_ = 1252;
  std::optional<RgbaImage> picture_;
};

}  // namespace zeb
