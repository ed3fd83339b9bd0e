// Windows faces named by books and what stands in for them here: Liberation faces for the
// metric-compatible ones, Unicode glyphs for the characters of "Symbol" and "Wingdings".
#pragma once

#include <cstdint>
#include <string_view>

namespace zeb {

// How the bytes of a text in a face become Unicode.
enum class FaceEncoding : std::uint8_t { windows1252, symbol, wingdings };

struct FaceSubstitute {
  std::string_view family;  // the face to ask the font system for
  FaceEncoding encoding = FaceEncoding::windows1252;
  std::uint8_t pitchAndFamily = 0;  // pitchFamily:: values (text_measurer.h)
  bool known = false;               // false: the book's own face is passed through
};

// The substitute of a Windows face, found without regard to letter case. An unknown face is
// passed through unchanged (the font system picks its nearest match); an empty face is
// treated as "Times New Roman".
FaceSubstitute substituteFace(std::string_view windowsFace);

// The character a byte stands for in a face of that encoding; always one of the Basic
// Multilingual Plane (U+FFFF at most).
char32_t unicodeOfFaceByte(FaceEncoding encoding, std::uint8_t byte);

}  // namespace zeb
