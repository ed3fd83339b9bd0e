// The system clipboard: the program's named formats as bytes, RTF, plain text and pictures.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace zeb {

// A picture as plain pixels: rows top to bottom, four bytes per pixel (red, green, blue, alpha).
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
  bool empty() const { return width <= 0 || height <= 0; }
};

// The program's own clipboard formats.
inline constexpr std::string_view objectsFormat = "Nexo30 objects";
inline constexpr std::string_view pictureFormat = "Nexo30 picture";

class Clipboard {
 public:
  virtual ~Clipboard() = default;

  // Starts a new clipboard content; what follows is put on the clipboard together.
  virtual void clear() = 0;
  virtual void setFormat(std::string_view format, std::span<const std::uint8_t> bytes) = 0;
  virtual void setRtf(std::span<const std::uint8_t> bytes) = 0;
  // Text in the code page; the clipboard offers it as Unicode text.
  virtual void setPlainText(std::string_view text, std::uint16_t codePage) = 0;
  virtual void setPicture(const RgbaImage& picture) = 0;
};

}  // namespace zeb
