// The body of an RTF document, written from the markup by the markup scanner: paragraphs
// with their formats, runs, tables and notes. Writing it fills the font, colour and style
// tables that the header lists.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "export/export_objects.h"
#include "export/markup_scanner.h"
#include "export/rtf_formats.h"
#include "platform/font.h"
#include "text/font_style.h"
#include "text/paragraph_style.h"

namespace zeb {

class RtfTableRows;
class RtfTables;
class TZEBconv;
class TZEBoggetto;
class UnitConverter;

class RtfBodyWriter {
 public:
  RtfBodyWriter(const TZEBconv& converter, const MarkupText& markup, RtfTables& tables, RtfFormats& formats,
                const UnitConverter& units, std::string& body);
  ~RtfBodyWriter();

  // The markup scanner's handler.
  void text(const std::uint8_t* bytes, std::size_t count);
  void character(std::uint8_t code);
  std::size_t paragraphTag(std::size_t tag);
  std::size_t runTag(std::size_t tag);
  std::size_t reference(std::uint32_t code, std::size_t after);
  // The words of a link stay as they are formatted, so its end changes nothing.
  void linkEnd() {}
  void cellEnd();

  // After the markup: a table that it leaves open gets the rest of its row, and the last
  // paragraph ends.
  void finish();

 private:
  TZEBoggetto* styleObject(std::int32_t number) const;
  void startParagraph(ListText listText);
  void beforeContent();
  void startTable(TZEBoggetto& table);
  void closeTable();
  void writeNote(TZEBoggetto& note);

  const TZEBconv& converter_;
  const MarkupText& markup_;
  RtfTables& tables_;
  RtfFormats& formats_;
  const UnitConverter& units_;
  std::string& body_;

  TZEBParaStyle paragraph_;
  TZEBFontStyle run_;
  TMyFont current_;  // the character format in force
  // A paragraph was started and not yet ended by "\par" or a cell mark.
  bool paragraphOpen_ = false;
  // The outermost table ended: the paragraph it stood in goes on when more content follows.
  bool resumePending_ = false;
  std::vector<OpenTable> tableStack_;
  std::unique_ptr<RtfTableRows> rows_;  // of the outermost table
  TZEBParaStyle tableParagraph_;        // the paragraph the outermost table stands in
};

}  // namespace zeb
