// Captions of the message boxes and their one-line form.
#include "platform/message_boxes.h"

#include "platform/windows1252.h"

namespace zeb {

std::string_view captionOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::information: return informationCaption;
    case MessageKind::warning: return warningCaption;
    case MessageKind::error: return errorCaption;
  }
  return informationCaption;
}

std::string oneLineMessage(MessageKind kind, std::string_view text) {
  std::string line(captionOf(kind));
  line += ": ";
  const std::string utf8 = windows1252ToUtf8(text);
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const char c = utf8[i];
    if (c == '\r') {
      line += "\\n";
      if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;  // CR LF is one line break
    } else if (c == '\n') {
      line += "\\n";
    } else {
      line.push_back(c);
    }
  }
  return line;
}

}  // namespace zeb
