// An export of a whole book on a worker thread, so that the window never waits: the worker
// reads the book through a container of its own (the reader's stays on its thread), and its
// progress and end are handed back through a poster to the thread that started it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "export/book/book_export.h"

namespace zeb {

class BackgroundBookExport {
 public:
  // Runs work on the owner's thread later; callable from any thread.
  using Poster = std::function<void(std::function<void()>)>;

  // Called on the owner's thread; none arrives after cancel().
  struct Events {
    std::function<void(int done, int total)> onProgress;
    std::function<void(const BookExportResult&)> onFinished;
  };

  explicit BackgroundBookExport(Poster post);
  // Cancels the export that is running and waits for its thread.
  ~BackgroundBookExport();
  BackgroundBookExport(const BackgroundBookExport&) = delete;
  BackgroundBookExport& operator=(const BackgroundBookExport&) = delete;

  // Exports the book file (read in the code page override, codePage::automatic for its own)
  // as the request says; its onProgress is replaced by the events'.
  void start(const std::string& bookPath, std::uint16_t codePageOverride, BookExportRequest request, Events events);
  // Stops the export: it ends at the next page and leaves nothing behind.
  void cancel();
  bool running() const;

 private:
  struct Channel;
  Poster post_;
  std::shared_ptr<Channel> channel_;
  std::jthread worker_;
};

}  // namespace zeb
