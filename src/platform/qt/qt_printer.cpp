// Printing with QPrinter and QPainter.
#include "platform/qt/qt_printer.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "platform/code_pages.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_picture_memo.h"
#include "platform/qt/qt_text_measurer.h"

namespace zeb {
namespace {

// What the printer says when it cannot print; shown inside the program's no-printer message.
constexpr std::string_view noPdfFile = "no file is named for the PDF printer";
constexpr std::string_view noPrinterInstalled = "no printer is installed";
constexpr std::string_view printerMissing = "this printer is not available: ";
constexpr std::string_view jobNotStarted = "the print job could not be started";
constexpr std::string_view sheetNotStarted = "the next sheet could not be started";
constexpr std::string_view jobNotFinished = "the print job could not be finished";

// Resolutions a PDF is drawn at, in dots per inch.
constexpr int lowestPdfResolution = 72;
constexpr int highestPdfResolution = 2400;

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPageSize pageSizeOf(const PageSetup& setup) {
  if (setup.paper == paperSize::custom) {
    return QPageSize(QSizeF(setup.paperWidth / 10.0, setup.paperLength / 10.0), QPageSize::Millimeter);
  }
  const QPageSize::PageSizeId id = QPageSize::id(setup.paper);
  return QPageSize(id == QPageSize::Custom ? QPageSize::A4 : id);
}

QPrinter::DuplexMode duplexOf(DuplexMode mode) {
  switch (mode) {
    case DuplexMode::longEdge: return QPrinter::DuplexLongSide;
    case DuplexMode::shortEdge: return QPrinter::DuplexShortSide;
    default: return QPrinter::DuplexNone;
  }
}

}  // namespace

QtPrinter::QtPrinter() = default;

QtPrinter::~QtPrinter() {
  if (printing()) endDocument();
}

std::vector<std::string> QtPrinter::installedPrinters() const {
  std::vector<std::string> names;
  for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(name.toStdString());
  return names;
}

std::string QtPrinter::defaultPrinter() const { return QPrinterInfo::defaultPrinterName().toStdString(); }

bool QtPrinter::fail(std::string error) {
  error_ = std::move(error);
  canvas_.reset();
  painter_.reset();
  printer_.reset();
  pictures_.reset();
  return false;
}

void QtPrinter::applySetup(const PageSetup& setup) {
  printer_->setFullPage(true);
  printer_->setPageSize(pageSizeOf(setup));
  printer_->setPageOrientation(setup.orientation == PageOrientation::landscape ? QPageLayout::Landscape
                                                                               : QPageLayout::Portrait);
  printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  printer_->setCopyCount(std::max(setup.copies, 1));
  printer_->setColorMode(setup.colour ? QPrinter::Color : QPrinter::GrayScale);
  printer_->setDuplex(duplexOf(setup.duplex));
}

bool QtPrinter::beginDocument(std::string_view title, const PageSetup& setup) {
  if (printing()) return false;
  error_.clear();
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (setup.device == pdfPrinterName) {
    if (setup.port.empty()) return fail(std::string(noPdfFile));
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(fromUtf8(setup.port));
    printer_->setResolution(std::clamp(setup.printQuality, lowestPdfResolution, highestPdfResolution));
  } else {
    const std::string name = setup.device.empty() ? defaultPrinter() : setup.device;
    if (name.empty()) return fail(std::string(noPrinterInstalled));
    if (QPrinterInfo::printerInfo(fromUtf8(name)).isNull()) return fail(std::string(printerMissing) + name);
    printer_->setPrinterName(fromUtf8(name));
  }
  printer_->setDocName(qtTextFor(FaceEncoding::codePage, codePage::windows1252, title));
  applySetup(setup);
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(printer_.get())) return fail(std::string(jobNotStarted));
  // Pictures keep every pixel: a PDF would otherwise hold them as JPEG.
  painter_->setRenderHint(QPainter::LosslessImageRendering);
  const QRectF pixels = printer_->paperRect(QPrinter::DevicePixel);
  const QRectF millimetres = printer_->paperRect(QPrinter::Millimeter);
  page_ = {static_cast<int>(pixels.width()), static_cast<int>(pixels.height()), millimetres.width(),
           millimetres.height()};
  measurer_ = std::make_unique<QtTextMeasurer>(printer_->resolution());
  pictures_ = std::make_unique<PictureMemo>();
  makeCanvas();
  return true;
}

void QtPrinter::makeCanvas() {
  canvas_ = std::make_unique<QtCanvas>(*painter_, QRect(0, 0, page_.widthPixels, page_.heightPixels),
                                       printer_->resolution(), QGuiApplication::palette());
  canvas_->setPictureMemo(pictures_.get());
  // The paper's edges clip already; a clip of our own would be written out with every
  // drawing a PDF holds.
  painter_->setClipping(false);
}

bool QtPrinter::printing() const { return painter_ != nullptr && painter_->isActive(); }

bool QtPrinter::newPage() {
  if (!printing()) return false;
  if (!printer_->newPage()) {
    painter_->end();
    return fail(std::string(sheetNotStarted));
  }
  makeCanvas();
  return true;
}

bool QtPrinter::endDocument() {
  if (!printing()) return false;
  canvas_.reset();
  const bool ended = painter_->end();
  painter_.reset();
  printer_.reset();
  pictures_.reset();
  if (!ended) error_ = jobNotFinished;
  return ended;
}

Canvas& QtPrinter::canvas() { return *canvas_; }

TextMeasurer& QtPrinter::measurer() { return *measurer_; }

}  // namespace zeb
