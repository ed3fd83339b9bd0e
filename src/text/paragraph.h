// TZEBparag: one paragraph of a text box as the reader builds it, one CharCell per
// character, and the TZEBline list that layout makes of it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "text/font_style.h"
#include "text/paragraph_style.h"

namespace zeb {

class EmbeddedObject;
class TZEBbox;
class TZEBoggetto;
class TZEBparag;

inline constexpr std::int32_t noLink = -1;

// One character of a paragraph; the paragraph's last cell stands for its end.
struct CharCell {
  std::int32_t Advance = 0;       // width as measured
  std::int32_t DrawWidth = 0;     // width when drawing and hit-testing (wider for justified blanks)
  std::int32_t Height = 0;        // text height of the character's font, or the object's height
  std::int32_t Ascent = 0;        // ascent of the font, or of the object by its vertical placement
  std::int32_t RunStyle = -1;     // index into RunStyles when a run starts here
  std::int32_t ObjectIndex = -1;  // index into Objects when the character is an embedded object
  std::int32_t LinkCode = noLink;

  bool operator==(const CharCell&) const = default;
};

struct TZEBline {
  TZEBparag* Paragraph = nullptr;  // not owned
  std::int32_t FirstChar = 0;
  std::int32_t CharCount = 0;
  std::int32_t LineAscent = 0;  // line top to baseline
  std::int32_t LineHeight = 0;
  std::int32_t LineTop = 0;  // relative to the paragraph's Top + TopMargin
  std::int32_t AlignOffset = 0;
  std::int32_t Indent = 0;  // x of the line start before alignment
  std::int32_t Extent = 0;  // width used
};

// An embedded object of a paragraph: the page object, its entry number in the working
// text's list of embedded objects, and the box's sizing object for it.
struct EmbeddedRef {
  TZEBoggetto* object = nullptr;     // owned by the working text
  std::uint32_t number = 0;          // the low 24 bits of its 0xFF reference
  EmbeddedObject* visual = nullptr;  // owned by the box
};

// Where a paragraph comes from.
namespace paragraphOrigin {
inline constexpr std::uint8_t body = 0;
inline constexpr std::uint8_t header = 1;
inline constexpr std::uint8_t footer = 2;
}  // namespace paragraphOrigin

class TZEBparag {
 public:
  explicit TZEBparag(TZEBbox* box, std::uint8_t origin = paragraphOrigin::body) : Origin(origin), Box(box) {}
  TZEBparag(const TZEBparag&) = delete;
  TZEBparag& operator=(const TZEBparag&) = delete;

  std::uint8_t Origin;
  TZEBbox* Box;           // not owned
  std::int32_t LayoutWidth = 0;
  std::int32_t Top = 0;
  std::int32_t Bottom = 0;
  std::int32_t BaseHeight = 0;
  std::int32_t ListNumber = 1;  // given when the box's paragraphs are read
  std::string Text;   // Windows-1252, one byte per character; an object is one blank
  TZEBParaStyle Style;
  std::vector<CharCell> Cells;  // Text.size() + 1 cells once read
  std::vector<std::unique_ptr<TZEBFontStyle>> RunStyles;
  std::vector<EmbeddedRef> Objects;
  std::vector<TZEBline> Lines;

  int length() const { return static_cast<int>(Text.size()); }
  // The run in force at a character: that of the nearest cell at or before it that starts a
  // run; none (the paragraph's own style applies) before the first run.
  const TZEBFontStyle* runAt(int index) const;
};

}  // namespace zeb
