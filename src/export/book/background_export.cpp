// The export's worker thread.
#include "export/book/background_export.h"

#include <atomic>

#include "document/container.h"
#include "export/book/export_messages.h"
#include "platform/headless/quiet_platform.h"

namespace zeb {

struct BackgroundBookExport::Channel {
  std::atomic<bool> cancelled = false;
  std::atomic<bool> finished = false;
  Events events;
};

BackgroundBookExport::BackgroundBookExport(Poster post) : post_(std::move(post)) {}

BackgroundBookExport::~BackgroundBookExport() { cancel(); }

void BackgroundBookExport::start(const std::string& bookPath, std::uint16_t codePageOverride, BookExportRequest request,
                                 Events events) {
  cancel();
  auto channel = std::make_shared<Channel>();
  channel->events = std::move(events);
  channel_ = channel;
  worker_ = std::jthread(
      [post = post_, channel, bookPath, codePageOverride, request = std::move(request)](std::stop_token stop) mutable {
        QuietPlatform platform;
        TZEBset set(platform.services());
        set.setCodePageOverride(codePageOverride);
        BookExportResult result;
        if (!set.Load(bookPath)) {
          result.message = std::string(messages::exportCannotWrite) + bookPath;
        } else {
          request.onProgress = [&](int done, int total) {
            if (stop.stop_requested() || channel->cancelled) return false;
            post([channel, done, total] {
              if (!channel->cancelled && channel->events.onProgress) channel->events.onProgress(done, total);
            });
            return true;
          };
          result = exportBook(set, request);
        }
        channel->finished = true;
        post([channel, result] {
          if (!channel->cancelled && channel->events.onFinished) channel->events.onFinished(result);
        });
      });
}

void BackgroundBookExport::cancel() {
  if (channel_ != nullptr) channel_->cancelled = true;
  if (worker_.joinable()) {
    worker_.request_stop();
    worker_.join();
  }
  channel_.reset();
}

bool BackgroundBookExport::running() const { return channel_ != nullptr && !channel_->finished; }

}  // namespace zeb
