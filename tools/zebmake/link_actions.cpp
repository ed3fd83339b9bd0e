// Link actions for made books.
#include "tools/zebmake/link_actions.h"

#include "document/byte_reader.h"
#include "tools/zebmake/book_model.h"

namespace zeb::zebmake {

std::vector<std::uint8_t> windowDescriptionBytes(const WindowDescriptionFields& fields) {
  ByteWriter out;
  out.writeI16(fields.left);
  out.writeI16(fields.top);
  out.writeI16(fields.width);
  out.writeI16(fields.height);
  for (int i = 0; i < 7; ++i) out.writeU8(0);
  out.writeU8(fields.maximised ? 1 : 0);
  out.writeU8(fields.historyToolbar ? 1 : 0);
  out.writeU8(fields.mainMenu ? 1 : 0);
  out.writeU8(fields.sizeable ? 1 : 0);
  out.writeU8(0);
  out.writeU8(fields.statusBar ? 1 : 0);
  out.writeU8(fields.mainToolbar ? 1 : 0);
  return out.bytes();
}

void setLinkAction(TZEBoggetto& action, const LinkActionFields& fields) {
  ObjectRecord& record = action.record();
  record.setU8(field::state, fields.action);
  record.setU8(field::actionDestination, fields.destination);
  record.setU32(field::actionTarget, fields.target);
  record.setI32(field::actionAnchor, fields.anchor);
  record.setU8(field::actionFrameFlag, fields.flag);
  record.setShortString(field::actionWindowName, field::actionWindowNameMax, fields.window);
  if (fields.description) action.setPrimaryData(windowDescriptionBytes(*fields.description));
}

TZEBoggetto& addLinkAction(TZEBset& set, const LinkActionFields& fields) {
  TZEBoggetto& action = addObject(set, TOggettiHel::speclink);
  setLinkAction(action, fields);
  return action;
}

}  // namespace zeb::zebmake
