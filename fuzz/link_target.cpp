// Fuzzes link targets: any bytes as the target of a hyperlink, read as a book link (with a
// CD folder stored and without, asking or not) and described as the status line shows it.
// Books named by a link are only opened inside the harness's own folder, which holds the
// open book, a book beside it and a CD folder with a book, so the run never opens a file
// elsewhere on the machine.
#include "document/link_target.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "document/container.h"
#include "document/describe_object.h"
#include "fuzz/scratch_files.h"
#include "platform/headless/quiet_platform.h"
#include "tools/zebmake/book_model.h"
#include "tools/zebmake/book_writer.h"

namespace {

constexpr std::string_view cdKey = "\\SOFTWARE\\KX\\zoVeKa\\";

void writeBook(const zeb::fuzzing::ScratchFolder& folder, const std::string& name, const std::string& pageName) {
  zeb::zebmake::BookModel model;
  zeb::zebmake::addPage(model.set(), pageName, "<Z S0 >cover");
  zeb::zebmake::addPage(model.set(), pageName + " two", "<Z S0 >two");
  const auto bytes = zeb::zebmake::writeBook(model.set());
  folder.write(name, bytes.data(), bytes.size());
}

struct Fixture {
  Fixture() {
    std::filesystem::create_directories(folder.path() / "Sub");
    std::filesystem::create_directories(folder.path() / "cd" / "Disc");
    writeBook(folder, "main.zeb", "Main");
    writeBook(folder, "Other.ZEB", "Other");
    writeBook(folder, "Sub/Chapter.zeb", "Chapter");
    writeBook(folder, "cd/Disc/Vol.zeb", "Volume");
    set.Load((folder.path() / "main.zeb").string());
  }

  zeb::fuzzing::ScratchFolder folder{"link-target"};
  zeb::QuietPlatform platform;
  zeb::TZEBset set{platform.services()};
};

void require(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Fixture fixture;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // The low bit of the length decides whether a CD folder is stored.
  if (size % 2 == 0)
    fixture.platform.settings.writeString(cdKey, "cddrive", (fixture.folder.path() / "cd").string() + "\\");
  else
    fixture.platform.settings.deleteValue(cdKey, "cddrive");

  for (const auto ask : {zeb::AskForCdFolder::no, zeb::AskForCdFolder::yes}) {
    const zeb::LinkTarget target = zeb::parseLinkTarget(fixture.set, text, ask);
    require(target.bookLink == text.starts_with("nexo:"));
    if (!target.bookLink) {
      require(target.path.empty() && target.id == -1);
      continue;
    }
    require(target.id == -2 || (target.id >= 0 && target.id <= 0x7FFFFFFF));
    require(!target.sameBook || !target.path.empty());
  }

  // The description of a hyperlink with this target, when it opens no book elsewhere.
  auto link = fixture.set.makeObject(zeb::TOggettiHel::internetLink);
  link->Activate();
  link->setName(text);
  const zeb::LinkTarget stored = zeb::parseLinkTarget(fixture.set, link->Name());
  if (!stored.bookLink || stored.path.empty() || fixture.folder.holds(stored.path)) {
    const std::string description = zeb::describeObject(fixture.set, *link);
    if (stored.bookLink) require(description.find('|') != std::string::npos);
  }
  fixture.platform.messages.clear();
  fixture.platform.shell.folderPrompts.clear();
  return 0;
}
