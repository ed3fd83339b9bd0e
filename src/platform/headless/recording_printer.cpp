// The recording printer.
#include "platform/headless/recording_printer.h"

#include <cmath>

namespace zeb {

RecordingPrinter::RecordingPrinter(int dotsPerInch, double widthMillimetres, double heightMillimetres)
    : measurer_(dotsPerInch) {
  page_.widthMillimetres = widthMillimetres;
  page_.heightMillimetres = heightMillimetres;
  page_.widthPixels = static_cast<int>(std::lround(widthMillimetres / 25.4 * dotsPerInch));
  page_.heightPixels = static_cast<int>(std::lround(heightMillimetres / 25.4 * dotsPerInch));
}

bool RecordingPrinter::beginDocument(std::string_view title, const PageSetup& setup) {
  if (!failure.empty() || printing_) return false;
  Job job;
  job.title = title;
  job.setup = setup;
  jobs_.push_back(std::move(job));
  printing_ = true;
  newPage();
  return true;
}

bool RecordingPrinter::newPage() {
  if (!printing_) return false;
  jobs_.back().sheets.push_back(
      std::make_unique<RecordingCanvas>(CanvasRect{0, 0, page_.widthPixels, page_.heightPixels}, &measurer_));
  return true;
}

bool RecordingPrinter::endDocument() {
  if (!printing_) return false;
  printing_ = false;
  jobs_.back().ended = true;
  return true;
}

}  // namespace zeb
