// Character and paragraph formats in RTF, with the state they carry through a document: the
// last character format written and the running number of the current numbered list.
#pragma once

#include <cstdint>
#include <string>

#include "platform/font.h"
#include "text/length_units.h"

namespace zeb {

class RtfTables;
class TZEBParaStyle;

// Whether a paragraph format includes the list text ("{\pntext 1.\tab}"): the body's
// paragraphs do, the stylesheet's styles do not.
enum class ListText : std::uint8_t { write, omit };
enum class Completeness : std::uint8_t { changes, everything };

class RtfFormats {
 public:
  RtfFormats(RtfTables& tables, const UnitConverter& units) : tables_(tables), units_(units) {}

  // Under help-source mode underline is never written.
  void setHelpSourceMode(bool on) { helpSource_ = on; }

  // "\f", "\fs", "\cf", "\i", "\b", "\ul", "\strike" and the vertical position, each only
  // when it differs from the last character format written (all of them the first time, or
  // when asked for everything); a blank ends them when anything was written.
  void writeCharacterFormat(std::string& out, const TMyFont& font, Completeness completeness = Completeness::changes);

  // The style's character format in full, its alignment, its list numbering, line spacing,
  // indents and spacing in twips, and a blank. Numbered paragraphs count the running number
  // on when they write their list text; other list kinds begin the count again. Returns the
  // character format written.
  TMyFont writeParagraphFormat(std::string& out, const TZEBParaStyle& style, ListText listText);

  std::int32_t twips(std::int32_t pixels) const { return units_.twipsOfPixels(pixels); }

 private:
  void writeListNumbering(std::string& out, const TZEBParaStyle& style, ListText listText);

  RtfTables& tables_;
  UnitConverter units_;
  TMyFont last_;
  bool hasLast_ = false;
  int listNumber_ = 1;
  bool helpSource_ = false;
};

}  // namespace zeb
