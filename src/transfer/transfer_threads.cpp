// The transfer threads and their registry.
#include "transfer/transfer_threads.h"

#include <algorithm>
#include <system_error>

#include "platform/event_queue.h"
#include "platform/message_boxes.h"
#include "transfer/curl_session.h"
#include "transfer/mail_request.h"

namespace zeb {

void TVoWebThread::start(TransferRegistry& registry, std::string address, std::optional<std::string> data,
                         std::function<void()> callback) {
  WebRequest request{std::move(address), std::move(data)};
  registry.start(
      std::unique_ptr<TransferThread>(new TVoWebThread(std::move(request), std::move(callback), registry.messages())));
}

TVoWebThread::TVoWebThread(WebRequest request, std::function<void()> callback, MessageBoxes& messages)
    : request_(std::move(request)), callback_(std::move(callback)), messages_(messages) {}

std::function<void()> TVoWebThread::run(const TransferLimits& limits, const std::atomic<bool>& abort) {
  const std::optional<long> status = performWebRequest(request_, limits, abort);
  if (!status) return {};
  if (callback_) {
    if (!isSuccessStatus(*status)) return {};
    return std::move(callback_);
  }
  return [text = webStatusText(request_.address, *status), &messages = messages_] { messages.information(text); };
}

void TVoMailThread::start(TransferRegistry& registry, MailRequest request, std::function<void()> callback) {
  registry.start(std::unique_ptr<TransferThread>(new TVoMailThread(std::move(request), std::move(callback))));
}

TVoMailThread::TVoMailThread(MailRequest request, std::function<void()> callback)
    : request_(std::move(request)), callback_(std::move(callback)) {}

std::function<void()> TVoMailThread::run(const TransferLimits& limits, const std::atomic<bool>& abort) {
  performMailTransfer(request_, stampForNow(), limits, abort);
  return std::move(callback_);
}

TransferRegistry::TransferRegistry(EventQueue& events, MessageBoxes& messages, TransferLimits limits)
    : events_(events), messages_(messages), limits_(limits), alive_(std::make_shared<int>(0)) {}

TransferRegistry::~TransferRegistry() { shutDown(); }

void TransferRegistry::start(std::unique_ptr<TransferThread> transfer) {
  if (!alive_ || !transfer || running_.size() >= maximumRunningTransfers) return;
  // On this thread, before any transfer thread uses libcurl.
  initialiseTransfers();
  running_.push_back(std::make_unique<Running>());
  Running& running = *running_.back();
  running.id = ++nextId_;
  running.transfer = std::move(transfer);
  TransferThread* work = running.transfer.get();
  try {
    running.thread = std::thread([this, work, id = running.id, alive = std::weak_ptr<int>(alive_)] {
      std::function<void()> ending;
      try {
        ending = work->run(limits_, aborting_);
      } catch (...) {
        ending = nullptr;
      }
      try {
        events_.post([this, alive, id, ending = std::move(ending)]() mutable {
          if (!alive.expired()) finish(id, std::move(ending));
        });
      } catch (...) {
        // Without its ending the transfer stays registered until shutDown joins it.
      }
    });
  } catch (const std::system_error&) {
    running_.pop_back();
  }
}

void TransferRegistry::finish(std::uint64_t id, std::function<void()> ending) {
  const auto found = std::find_if(running_.begin(), running_.end(),
                                  [id](const std::unique_ptr<Running>& entry) { return entry->id == id; });
  if (found == running_.end()) return;
  // The thread posted its ending as its last act; joining it waits no longer than its return.
  if ((*found)->thread.joinable()) (*found)->thread.join();
  running_.erase(found);
  // Last: the ending may start transfers, or shut this registry down.
  if (ending) ending();
}

void TransferRegistry::shutDown() {
  aborting_ = true;
  alive_.reset();
  for (const std::unique_ptr<Running>& entry : running_) {
    if (entry->thread.joinable()) entry->thread.join();
  }
  running_.clear();
}

}  // namespace zeb
