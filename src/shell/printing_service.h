// What the main window asks of printing. Printing is installed into the window from
// outside; until it is, the print commands are present and disabled.
#pragma once

namespace zeb {
class TZEBCustomFrameSet;
class TZEBbox;
}  // namespace zeb

namespace zeb::shell {

class PrintingService {
 public:
  virtual ~PrintingService() = default;

  // "&Print...": the print dialog, modal.
  virtual void printDialog() = 0;
  // "Print &current": the page shown in the main view, directly.
  virtual void printCurrent() = 0;
  // "Print all": every page in the book's stored order.
  virtual void printAll() = 0;
  // "Printer se&ttings..." and "&Margin settings...".
  virtual void printerSetup() = 0;
  virtual void marginSetup() = 0;
  // A link followed in the frame set (the main view's, or a separate window's) asked for the
  // box to be printed.
  virtual void printBox(TZEBCustomFrameSet& frames, TZEBbox& box) = 0;
};

}  // namespace zeb::shell
