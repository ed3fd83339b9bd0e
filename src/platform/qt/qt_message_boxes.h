// Message boxes as QMessageBox dialogs, modal for the whole application.
#pragma once

#include "platform/message_boxes.h"

namespace zeb {

// Needs a QApplication. Boxes are parented to the active window, when there is one.
class QtMessageBoxes final : public MessageBoxes {
 public:
  void show(MessageKind kind, std::string_view text) override;
  bool ask(std::string_view title, std::string_view question) override;
};

}  // namespace zeb
