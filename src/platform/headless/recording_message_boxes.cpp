// Message boxes that record.
#include "platform/headless/recording_message_boxes.h"

namespace zeb {

void RecordingMessageBoxes::show(MessageKind kind, std::string_view text) {
  shown_.push_back({kind, std::string(text)});
}

bool RecordingMessageBoxes::ask(std::string_view, std::string_view question) {
  questions_.emplace_back(question);
  return answer_;
}

}  // namespace zeb
