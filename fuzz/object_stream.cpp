// Fuzzes the stream form of objects: any bytes read into a free and a registered object.
#include <cstdint>
#include <vector>

#include "document/byte_reader.h"
#include "document/container.h"
#include "platform/headless/quiet_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static zeb::QuietPlatform platform;
  // An exactly sized copy, so that a read past the end is caught.
  const std::vector<std::uint8_t> bytes(data, data + size);
  zeb::TZEBset set(platform.services());

  auto free = zeb::createObject(zeb::TOggettiHel::testoHtmlRtf);
  zeb::ByteReader freeReader(bytes);
  if (free->readFromStream(freeReader)) {
    (void)free->Name();
    (void)free->Size();
    (void)free->attribute("allfields");
    zeb::ByteWriter out;
    free->writeToStream(out);
  }

  auto object = set.makeObject(zeb::TOggettiHel::keyword);
  object->Release();
  zeb::TZEBoggetto& registered = set.Register(std::move(object));
  zeb::ByteReader registeredReader(bytes);
  registered.readFromStream(registeredReader);
  (void)registered.Name();
  platform.messages.clear();
  return 0;
}
