// Printer through Qt Print Support: the system's printers (CUPS) and a PDF file.
#pragma once

#include <memory>
#include <string>

#include "platform/printer.h"

class QPainter;
class QPrinter;

namespace zeb {

class PictureMemo;
class QtCanvas;
class QtTextMeasurer;

// Needs a QGuiApplication. Sheets are whole pieces of paper: the canvas's origin is the
// paper's corner, whatever margins the printer cannot print on. Text is drawn as text, so
// that a PDF's text can be selected and searched.
class QtPrinter final : public Printer {
 public:
  QtPrinter();
  ~QtPrinter() override;

  std::vector<std::string> installedPrinters() const override;
  std::string defaultPrinter() const override;
  bool beginDocument(std::string_view title, const PageSetup& setup) override;
  bool printing() const override;
  bool newPage() override;
  bool endDocument() override;
  std::string errorText() const override { return error_; }
  PrinterPage page() const override { return page_; }
  Canvas& canvas() override;
  TextMeasurer& measurer() override;

 private:
  bool fail(std::string error);
  void applySetup(const PageSetup& setup);
  void makeCanvas();

  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QtCanvas> canvas_;
  std::unique_ptr<QtTextMeasurer> measurer_;
  // For the whole job, so that a PDF holds each picture once.
  std::unique_ptr<PictureMemo> pictures_;
  PrinterPage page_;
  std::string error_;
};

}  // namespace zeb
