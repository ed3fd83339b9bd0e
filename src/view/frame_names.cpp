// Frame names and the search by name.
#include "view/frame_names.h"

#include <vector>

#include "platform/windows1252.h"
#include "view/frame_record.h"
#include "view/page_view.h"

namespace zeb {

bool sameFrameName(std::string_view first, std::string_view second) {
  return lowerWindows1252(first) == lowerWindows1252(second);
}

std::string frameNameOf(std::string_view name) {
  return std::string(name.substr(0, static_cast<std::size_t>(maxFrameNameLength)));
}

NamedFrame* findFrameByName(NamedFrame& root, std::string_view name) {
  const std::string wanted = lowerWindows1252(name);
  // Depth first without recursion: a map from a book can nest frames deeply.
  std::vector<NamedFrame*> pending = {&root};
  while (!pending.empty()) {
    NamedFrame* frame = pending.back();
    pending.pop_back();
    if (lowerWindows1252(frame->frameName()) == wanted) return frame;
    const int children = frame->childFrameCount();
    for (int i = children - 1; i >= 0; --i) pending.push_back(&frame->childFrame(i));
    if (children > 0) continue;
    // The frame sets of a leaf's floating objects search themselves.
    if (TZEBpage* page = frame->framePage()) {
      if (NamedFrame* found = page->FindFrameByName(name)) return found;
    }
  }
  return nullptr;
}

}  // namespace zeb
