// The message boxes of reading a book.
#include "shell/load_messages.h"

#include "document/messages.h"

namespace zeb::shell {

void LoadMessages::show(MessageKind kind, std::string_view text) {
  if (said_ && text.starts_with(zeb::messages::errorReadingFile)) return;
  said_ = true;
  if (beforeShowing_) beforeShowing_();
  shown_.show(kind, text);
}

bool LoadMessages::ask(std::string_view title, std::string_view question) {
  if (beforeShowing_) beforeShowing_();
  return shown_.ask(title, question);
}

}  // namespace zeb::shell
