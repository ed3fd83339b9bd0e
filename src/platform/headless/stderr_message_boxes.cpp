// Message boxes written to stderr.
#include "platform/headless/stderr_message_boxes.h"

#include <cstdio>

namespace zeb {

void StderrMessageBoxes::show(MessageKind kind, std::string_view text) {
  const std::string line = oneLineMessage(kind, text) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
}

bool StderrMessageBoxes::ask(std::string_view title, std::string_view question) {
  std::string text(title);
  text += ": ";
  text += question;
  show(MessageKind::information, text);
  return false;
}

}  // namespace zeb
