// Fuzzes book loading: any bytes as a book file, then every name, size and blob of it.
#include <cstdint>
#include <string>
#include <vector>

#include "document/container.h"
#include "fuzz/scratch_files.h"
#include "platform/headless/quiet_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static zeb::QuietPlatform platform;
  static const zeb::fuzzing::ScratchFolder folder("load-book");
  const std::string path = folder.write("book.zeb", data, size).string();
  zeb::TZEBset set(platform.services());
  set.Load(path);
  std::vector<std::uint8_t> bytes;
  for (int k = 0; k < zeb::kindCount; ++k) {
    const auto kind = zeb::kindOf(k);
    for (std::size_t i = 0; i < set.slotCount(kind); ++i) {
      zeb::TZEBoggetto* object = set.slot(kind, static_cast<std::int32_t>(i));
      if (object == nullptr) continue;
      (void)object->Name();
      (void)object->FileName();
      (void)object->Size();
      (void)object->ReferencedPicture();
      (void)object->attribute("allfields");
      (void)object->primaryData();
      (void)object->readPrimary(bytes);
    }
  }
  zeb::TZEBset::PageNameFromFile(path, 0);
  platform.messages.clear();
  return 0;
}
