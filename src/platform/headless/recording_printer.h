// A printer that keeps what is printed on it: its jobs, each with the calls recorded on
// every sheet, on paper of a fixed size, with fixed text metrics at its resolution.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/fixed_metrics_measurer.h"
#include "platform/headless/recording_canvas.h"
#include "platform/printer.h"

namespace zeb {

class RecordingPrinter final : public Printer {
 public:
  struct Job {
    std::string title;
    PageSetup setup;
    std::vector<std::unique_ptr<RecordingCanvas>> sheets;
    bool ended = false;
  };

  // Paper of width x height millimetres at the resolution, in dots per inch; its size in
  // pixels is rounded to the nearest pixel.
  explicit RecordingPrinter(int dotsPerInch = 600, double widthMillimetres = 210, double heightMillimetres = 297);

  std::vector<std::string> installedPrinters() const override { return installed; }
  std::string defaultPrinter() const override { return preferred; }
  bool beginDocument(std::string_view title, const PageSetup& setup) override;
  bool printing() const override { return printing_; }
  bool newPage() override;
  bool endDocument() override;
  std::string errorText() const override { return failure; }
  PrinterPage page() const override { return page_; }
  Canvas& canvas() override { return *jobs_.back().sheets.back(); }
  TextMeasurer& measurer() override { return measurer_; }

  const std::vector<Job>& jobs() const { return jobs_; }
  // The sheets of the last job.
  const std::vector<std::unique_ptr<RecordingCanvas>>& sheets() const { return jobs_.back().sheets; }

  std::vector<std::string> installed;
  std::string preferred;
  // When set, jobs cannot begin and this is the printer's error text.
  std::string failure;

 private:
  PrinterPage page_;
  FixedMetricsMeasurer measurer_;
  std::vector<Job> jobs_;
  bool printing_ = false;
};

}  // namespace zeb
