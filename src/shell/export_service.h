// What the main window asks of the export of whole books. It is installed into the window
// from outside; until it is, the export commands are present and disabled.
#pragma once

namespace zeb::shell {

class ExportService {
 public:
  virtual ~ExportService() = default;

  // "E&PUB..." and "&HTML...": ask for the target, then export the open book on a worker
  // thread with a progress window that can cancel it.
  virtual void exportEpub() = 0;
  virtual void exportHtml() = 0;
};

}  // namespace zeb::shell
