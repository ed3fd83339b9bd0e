// TZEBpageP: prints one page of a book at its true size: the page's text with its header
// and footer texts, laid out again at the printable width and continued over as many sheets
// as it needs.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/printer.h"
#include "shell/print/print_scale.h"

namespace zeb {

class PrintJob;
class TZEBbox;
class TZEBset;
class TZEBtesto;

class TZEBpageP {
 public:
  // The options start at their defaults: no backgrounds, image scale 2500.
  TZEBpageP(TZEBset& set, Printer& printer);

  bool Background() const { return options_.background; }
  void setBackground(bool on) { options_.background = on; }
  bool TableBackground() const { return options_.tableBackground; }
  void setTableBackground(bool on) { options_.tableBackground = on; }
  int ImageScale() const { return options_.imageScale; }
  // Kept within 20 to 20000.
  void setImageScale(int scale);
  const PrintOptions& options() const { return options_; }
  void setOptions(const PrintOptions& options);

  // Prints the page with the page set-up as a print job of its own, and returns the page.
  // Without a page set-up nothing is printed ("pagesetupdialog=NIL"); without a page
  // neither ("Invalid use of TZEBpageP.Riempi").
  TZEBtesto* PrintPage(TZEBtesto* page, const PageSetup* pageSetup);
  // Prints the page on the next sheets of a job that has begun. Returns the sheets used.
  int printInto(PrintJob& job, TZEBtesto& page);

 private:
  TZEBset& set_;
  Printer& printer_;
  PrintOptions options_;
};

// What a link asking to print prints for a box of a shown page (its text box, or a table
// cell): a page that is no part of the book, with the record and name of the page shown and
// the box's body text as it is now, its object tags naming the book's objects by ID.
std::unique_ptr<TZEBtesto> printablePageOf(const TZEBbox& box, TZEBtesto& shownPage);

// The title of the print job of a page: the product, ", pag: " and the page's title.
std::string jobTitleOf(const TZEBtesto& page);

}  // namespace zeb
