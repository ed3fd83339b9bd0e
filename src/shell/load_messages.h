// The message boxes the reader reads a book with: why a book cannot be read is said once.
#pragma once

#include <functional>

#include "platform/message_boxes.h"

namespace zeb::shell {

// The container follows a reason of its own ("Unrecognized format.") with "Error reading
// file: " and the path; of the two only the reason is shown, which says more. Every other
// message passes, after the hook that runs before any box (the splash goes first).
class LoadMessages final : public MessageBoxes {
 public:
  LoadMessages(MessageBoxes& shown, std::function<void()> beforeShowing)
      : shown_(shown), beforeShowing_(std::move(beforeShowing)) {}

  // Another book is read: nothing has been said about it yet.
  void startLoad() { said_ = false; }

  void show(MessageKind kind, std::string_view text) override;
  bool ask(std::string_view title, std::string_view question) override;

 private:
  MessageBoxes& shown_;
  std::function<void()> beforeShowing_;
  bool said_ = false;
};

}  // namespace zeb::shell
