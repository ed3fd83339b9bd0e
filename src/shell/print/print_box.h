// TZEBboxP: a text flow laid out for the printer, the page's own or a table cell's. Its
// paragraphs and lines are those of the text engine, read with the printer's measurements,
// their lengths turned from screen pixels into printer pixels, and laid out by the same
// rules at the printer's width; they are printed line by line on the sheet that holds each
// line's top.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "shell/print/print_backgrounds.h"
#include "shell/print/printual.h"
#include "text/paragraph.h"

namespace zeb {

class EmbeddedObjectFactory;
class MeasurementCache;
class TMyyTableP;
class TZEBbox;
class TZEBtesto;

// A printed paragraph and a printed line: the text engine's, in printer pixels.
using TZEBparagP = TZEBparag;
using TZEBlineP = TZEBline;

class TZEBboxP : public TPrintual {
 public:
  // The flow of a page: its header text, its own text and its footer text (as the text
  // object holds them), read with the printer's measurements and objects. Nothing is read
  // from a text still in the older markup.
  TZEBboxP(TZEBset& set, TZEBtesto& text, MeasurementCache& measures, EmbeddedObjectFactory& objects,
           const PrintScale& scale);
  // A table cell: the table's box for it.
  TZEBboxP(TZEBbox& cell, TMyyTableP& table);
  ~TZEBboxP() override;
  TZEBboxP(const TZEBboxP&) = delete;
  TZEBboxP& operator=(const TZEBboxP&) = delete;

  TZEBbox& box() const { return *box_; }
  int paragraphCount() const;
  TZEBparagP& paragraph(int index) const;
  int HeaderCount() const;
  int FooterCount() const;
  TMyyTableP* OwningTable() const { return table_; }
  PrintBackground& Background() { return background_; }
  const PrintBackground& Background() const { return background_; }

  // Lays every paragraph out at the width, the first from y 0.
  void layOut(int width);

  // Prints the lines of the paragraph whose top lies in the window, its list marker with
  // its first line, and what of its tables placed on earlier sheets reaches into the
  // window. The canvas's origin is the box's top-left corner; the window is in the box's
  // coordinates.
  void printParagraph(const PrintSheet& sheet, int index, const CanvasRect& window);
  // An embedded box (a cell): its background, with the table-background option, then
  // every paragraph that meets the window.
  void printEmbedded(const PrintSheet& sheet, const CanvasRect& window);
  // Where the first thing of the paragraph still to print below the window starts: a line
  // whose top lies below it, or a table that goes on below it. None when the paragraph has
  // nothing more than what the window holds.
  std::optional<int> nextBelow(int index, const CanvasRect& window) const;

 private:
  std::unique_ptr<TZEBbox> ownBox_;
  TZEBbox* box_;
  TMyyTableP* table_ = nullptr;
  PrintBackground background_;
};

// Turns the paragraph lengths of the box and of every table cell in it from screen pixels
// into printer pixels: side margins and indents across, top and bottom margins and fixed
// line heights down.
void convertLengths(TZEBbox& box, const PrintScale& scale);

}  // namespace zeb
