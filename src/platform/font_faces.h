// Windows faces named by books and what stands in for them here: Liberation faces for the
// metric-compatible ones, Unicode glyphs for the characters of "Symbol" and "Wingdings".
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace zeb {

// How the bytes of a text in a face become Unicode: through the code page of the text, or
// through the glyph tables of the two symbol faces.
enum class FaceEncoding : std::uint8_t { codePage, symbol, wingdings };

struct FaceSubstitute {
  std::string_view family;  // the face to ask the font system for
  FaceEncoding encoding = FaceEncoding::codePage;
  std::uint8_t pitchAndFamily = 0;  // pitchFamily:: values (text_measurer.h)
  bool known = false;               // false: the book's own face is passed through
};

// The substitute of a Windows face, found without regard to letter case. An unknown face is
// passed through unchanged (the font system picks its nearest match); an empty face is
// treated as "Times New Roman".
FaceSubstitute substituteFace(std::string_view windowsFace);

// The faces that show the letters of a code page's script where the substitute faces lack
// them (Hebrew, Arabic and Thai; the tones of Vietnamese), in the order to try them, by the
// family of the substitute (pitchFamily:: values); none where the Liberation faces suffice.
std::span<const std::string_view> scriptFallbackFaces(std::uint16_t codePage, std::uint8_t pitchAndFamily);

// The character a byte stands for in a face of that encoding, for text in the code page;
// always one of the Basic Multilingual Plane (U+FFFF at most).
char32_t unicodeOfFaceByte(FaceEncoding encoding, std::uint8_t byte, std::uint16_t codePage = 1252);

}  // namespace zeb
