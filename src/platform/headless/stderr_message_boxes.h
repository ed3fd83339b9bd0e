// Message boxes for the command line: each box becomes one "Caption: text" line on stderr.
#pragma once

#include "platform/message_boxes.h"

namespace zeb {

class StderrMessageBoxes final : public MessageBoxes {
 public:
  void show(MessageKind kind, std::string_view text) override;
  // A command line cannot answer: every question is answered no.
  bool ask(std::string_view title, std::string_view question) override;
};

}  // namespace zeb
