// Printer: print jobs on an installed printer or into a PDF file, and the page set-up they
// print with.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

class Canvas;
class TextMeasurer;

// The printer that writes a PDF file instead of paper. It is always offered, and it is the
// only one when no printer is installed.
inline constexpr std::string_view pdfPrinterName = "PDF file";

// Paper sizes by the numbers the stored page set-up uses for them.
namespace paperSize {
inline constexpr int letter = 1;
inline constexpr int legal = 5;
inline constexpr int a3 = 8;
inline constexpr int a4 = 9;
inline constexpr int a5 = 11;
// A size of its own, given by paperWidth and paperLength.
inline constexpr int custom = 256;
}  // namespace paperSize

enum class PageOrientation : std::uint8_t { portrait = 1, landscape = 2 };
enum class DuplexMode : std::uint8_t { simplex = 1, longEdge = 2, shortEdge = 3 };

// What a print job prints with: the printer, the paper and the margins. Lengths of paper are
// tenths of a millimetre, margins hundredths.
struct PageSetup {
  static constexpr int defaultMargin = 2500;  // 25 mm

  // An installed printer's name, or pdfPrinterName; empty means the default printer.
  std::string device;
  std::string driver;
  // The PDF printer writes the file named here.
  std::string port;
  int paper = paperSize::a4;
  int paperLength = 2970;
  int paperWidth = 2100;
  PageOrientation orientation = PageOrientation::portrait;
  int scale = 100;  // percent
  int copies = 1;
  int defaultSource = 0;
  int printQuality = 600;  // dots per inch
  bool colour = true;
  DuplexMode duplex = DuplexMode::simplex;
  int leftMargin = defaultMargin;
  int topMargin = defaultMargin;
  int rightMargin = defaultMargin;
  int bottomMargin = defaultMargin;

  bool operator==(const PageSetup&) const = default;
};

// A sheet as the printer sees it: its size in printer pixels and in millimetres.
struct PrinterPage {
  int widthPixels = 0;
  int heightPixels = 0;
  double widthMillimetres = 0;
  double heightMillimetres = 0;
};

class Printer {
 public:
  virtual ~Printer() = default;

  // The printers installed on the system, by name, and the one the system prefers (empty
  // when none is installed).
  virtual std::vector<std::string> installedPrinters() const = 0;
  virtual std::string defaultPrinter() const = 0;

  // Starts a job with the page set-up, on its first sheet. False, with nothing started, when
  // the printer cannot print; errorText() then says why.
  virtual bool beginDocument(std::string_view title, const PageSetup& setup) = 0;
  virtual bool printing() const = 0;
  // Ends the sheet and starts the next one; false when the printer failed.
  virtual bool newPage() = 0;
  // Ends the job; false when it could not be completed.
  virtual bool endDocument() = 0;
  virtual std::string errorText() const = 0;

  // While printing: the sheet, the canvas on it (origin at the paper's top-left corner, one
  // unit per printer pixel), and the measurer of text on that canvas.
  virtual PrinterPage page() const = 0;
  virtual Canvas& canvas() = 0;
  virtual TextMeasurer& measurer() = 0;
};

// The printers a user may choose from: the installed ones, then the PDF printer; and which
// of them a page set-up names (the system's default printer when it names none that is
// offered, the PDF printer when nothing is installed).
struct PrinterChoice {
  std::vector<std::string> names;
  std::size_t chosen = 0;
};
PrinterChoice printerChoice(const Printer& printer, const PageSetup& setup);

// Whether a job with the page set-up would print into a PDF file that it names none for: the
// PDF printer is the one chosen (it is the default when no printer is installed) and the
// set-up gives it no file.
bool printsIntoUnnamedPdf(const Printer& printer, const PageSetup& setup);

}  // namespace zeb
