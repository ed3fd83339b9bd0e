// Web and mail transfers on threads of their own, and the registry that owns them until they end.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "transfer/mail_message.h"
#include "transfer/transfer_limits.h"
#include "transfer/web_request.h"

namespace zeb {

class EventQueue;
class MessageBoxes;
class TransferRegistry;

// One transfer on a thread of its own. It holds copies of everything it needs and shares
// nothing with the reader while it runs. What its work returns (its ending) runs on the
// user-interface thread once the work is done; the registry then frees the transfer.
class TransferThread {
 public:
  virtual ~TransferThread() = default;
  TransferThread(const TransferThread&) = delete;
  TransferThread& operator=(const TransferThread&) = delete;

 protected:
  TransferThread() = default;

 private:
  friend class TransferRegistry;
  // Runs on the transfer's own thread; the registry swallows whatever it throws.
  virtual std::function<void()> run(const TransferLimits& limits, const std::atomic<bool>& abort) = 0;
};

// A web request: a GET, or a POST of the data. Without a callback the status box shows the
// address and the status code of the answer; with one, the callback runs when the status is
// in the 200s and nothing is shown otherwise. A request that got no answer shows nothing.
class TVoWebThread final : public TransferThread {
 public:
  // Creates the thread, which starts at once.
  static void start(TransferRegistry& registry, std::string address, std::optional<std::string> data,
                    std::function<void()> callback);

 private:
  TVoWebThread(WebRequest request, std::function<void()> callback, MessageBoxes& messages);
  std::function<void()> run(const TransferLimits& limits, const std::atomic<bool>& abort) override;

  WebRequest request_;
  std::function<void()> callback_;
  MessageBoxes& messages_;
};

// A mail message over SMTP. Nothing is shown for a failure; the callback runs when the thread
// ends, whether the message was accepted or not.
class TVoMailThread final : public TransferThread {
 public:
  // Creates the thread, which starts at once.
  static void start(TransferRegistry& registry, MailRequest request, std::function<void()> callback);

 private:
  TVoMailThread(MailRequest request, std::function<void()> callback);
  std::function<void()> run(const TransferLimits& limits, const std::atomic<bool>& abort) override;

  MailRequest request_;
  std::function<void()> callback_;
};

// Owns the running transfers. Lives on the user-interface thread; the event queue and the
// message boxes must outlive it. Shutting it down (its destructor does) aborts every
// transfer and waits for its thread, which libcurl lets go within about a second and never
// later than the transfer's time-out; endings that had not run yet are dropped.
class TransferRegistry {
 public:
  TransferRegistry(EventQueue& events, MessageBoxes& messages, TransferLimits limits = {});
  ~TransferRegistry();
  TransferRegistry(const TransferRegistry&) = delete;
  TransferRegistry& operator=(const TransferRegistry&) = delete;

  // Runs the transfer on a new thread. Dropped, as a failed transfer would be, after shutDown,
  // with maximumRunningTransfers already running, or when no thread can be made.
  void start(std::unique_ptr<TransferThread> transfer);
  void shutDown();

  // Transfers whose ending has not run yet.
  std::size_t runningCount() const { return running_.size(); }
  MessageBoxes& messages() const { return messages_; }

 private:
  struct Running {
    std::uint64_t id = 0;
    std::unique_ptr<TransferThread> transfer;
    std::thread thread;
  };
  void finish(std::uint64_t id, std::function<void()> ending);

  EventQueue& events_;
  MessageBoxes& messages_;
  const TransferLimits limits_;
  std::atomic<bool> aborting_{false};
  // Endings posted by the threads run only while this lives; shutDown lets it go.
  std::shared_ptr<int> alive_;
  std::vector<std::unique_ptr<Running>> running_;
  std::uint64_t nextId_ = 0;
};

}  // namespace zeb
