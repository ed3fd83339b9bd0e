// Fuzzes the contents stream: any bytes read as a book's page order, within the limits, and
// written back so that reading the written lines gives the same lines again.
#include <cstdint>
#include <string>

#include "document/container.h"
#include "document/page_object.h"
#include "platform/headless/quiet_platform.h"
#include "shell/contents_tree.h"

namespace {

zeb::TZEBset& bookWithPages(zeb::QuietPlatform& platform) {
  static zeb::TZEBset set(platform.services());
  static const bool filled = [] {
    for (int i = 0; i < 8; ++i) {
      auto page = set.makeObject(zeb::TOggettiHel::testoHtml);
      page->Release();
      page->Activate();
      page->setName("Page " + std::to_string(i));
      zeb::TZEBoggetto& registered = set.Register(std::move(page));
      if (i == 6) registered.Release();
    }
    return true;
  }();
  (void)filled;
  return set;
}

void load(zeb::ContentsTree& tree, zeb::TZEBset& set, const std::string& stream) {
  set.contentsHolderForPages().setPrimaryData({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()});
  tree.LoadContents();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static zeb::QuietPlatform platform;
  zeb::TZEBset& set = bookWithPages(platform);
  zeb::ContentsTree tree;
  tree.setLinkedZEBset(&set);
  load(tree, set, std::string(reinterpret_cast<const char*>(data), size));
  if (tree.nodeCount() > zeb::limits::maxContentsNodes || platform.messages.shown().size() > 2) __builtin_trap();
  tree.forEach([](const zeb::ContentsNode& node) {
    if (node.level() < 0 || node.level() > zeb::limits::maxContentsLevel) __builtin_trap();
  });

  // An empty tree writes nothing, and nothing reads as the default tree.
  const std::string written = tree.WriteContents();
  if (tree.empty()) {
    platform.messages.clear();
    return 0;
  }
  zeb::ContentsTree again;
  again.setLinkedZEBset(&set);
  load(again, set, written);
  if (again.WriteContents() != written || again.nodeCount() != tree.nodeCount()) __builtin_trap();
  platform.messages.clear();
  return 0;
}
