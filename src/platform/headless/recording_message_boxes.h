// Message boxes that remember what they were asked to show, for tests and headless runs.
#pragma once

#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace zeb {

struct ShownMessage {
  MessageKind kind;
  std::string text;
  bool operator==(const ShownMessage&) const = default;
};

class RecordingMessageBoxes final : public MessageBoxes {
 public:
  void show(MessageKind kind, std::string_view text) override;
  bool ask(std::string_view title, std::string_view question) override;

  const std::vector<ShownMessage>& shown() const { return shown_; }
  void clear() { shown_.clear(); }
  // What the next questions are answered; yes by default.
  void answerQuestions(bool yes) { answer_ = yes; }
  const std::vector<std::string>& questions() const { return questions_; }

 private:
  std::vector<ShownMessage> shown_;
  std::vector<std::string> questions_;
  bool answer_ = true;
};

}  // namespace zeb
