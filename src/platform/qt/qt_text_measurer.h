// TextMeasurer through QFontMetrics, with the face substitutes of qt_fonts.h.
#pragma once

#include <QFontMetrics>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "platform/font_faces.h"
#include "platform/text_measurer.h"

namespace zeb {

// Needs a QGuiApplication. Each distinct face, size and style gets one QFontMetrics, kept
// for the measurer's life.
class QtTextMeasurer final : public TextMeasurer {
 public:
  // 0 takes the logical resolution of the primary screen (96 when there is none).
  explicit QtTextMeasurer(int pixelsPerInch = 0);
  ~QtTextMeasurer() override;

  int pixelsPerInch() const override { return pixelsPerInch_; }
  FontMetrics metrics(const TMyFont& font) override;
  int extent(const TMyFont& font, std::string_view text) override;

 private:
  struct Face {
    QFontMetrics metrics;
    FaceEncoding encoding;
    std::uint8_t pitchAndFamily;
  };
  Face& faceFor(const TMyFont& font);

  int pixelsPerInch_;
  std::unordered_map<std::string, Face> faces_;
  // The face last asked for, and the name, size, style bits and code page that asked for it: layout
  // measures run after run in one font.
  Face* last_ = nullptr;
  std::string lastName_;
  std::int32_t lastSize_ = 0;
  std::uint8_t lastStyle_ = 0;
  std::uint16_t lastCodePage_ = 1252;
};

}  // namespace zeb
