// The placeholder text for objects shown in a frame.
#include "view/object_placeholder.h"

#include <cstdio>

#include "document/book_object.h"
#include "text/markup_entities.h"
#include "view/messages.h"

namespace zeb {

std::string objectPlaceholderText(const TZEBoggetto& object) {
  char tag[16];
  std::snprintf(tag, sizeof tag, "<$%08x>", object.ID());
  std::string text = "<Z S0 >";
  text += messages::objectPlaceholder;
  text += "<Z S0 >";
  text += tag;
  for (const char character : object.Name()) appendEscaped(text, character);
  text += "<%>";
  return text;
}

}  // namespace zeb
