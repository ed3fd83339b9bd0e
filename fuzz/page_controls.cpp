// Fuzzes the reader's pages on the screen: any bytes as a book, opened in a frame set on
// Qt's offscreen platform, and every page shown in it (the first pages of a larger book):
// its boxes, the controls of its objects (pictures and zones, markers, form fields and
// buttons, media, independent frames inside one another), its tables and the frames of its
// frame map; each page is shown again narrower and shorter, so that the layouts run once
// more, and the links its preview panels post are followed. Media are not played: their
// files are unnamed first, so that no decoder of the system runs on the input.
#include <QApplication>
#include <QSize>
#include <cstdint>
#include <cstdlib>

#include "document/container.h"
#include "document/object_kinds.h"
#include "fuzz/scratch_files.h"
#include "platform/headless/quiet_platform.h"
#include "view/qt/frame_set.h"

namespace {

constexpr int pagesShown = 12;
const QSize wide(480, 360);
const QSize narrow(160, 90);

void unnameMediaFiles(zeb::TZEBset& set) {
  for (const zeb::TOggettiHel kind : {zeb::TOggettiHel::multiMedia, zeb::TOggettiHel::dbloc}) {
    for (std::size_t i = 0; i < set.slotCount(kind); ++i)
      if (zeb::TZEBoggetto* media = set.slot(kind, static_cast<std::int32_t>(i)))
        media->record().setI32(zeb::field::multimediaObject, -1);
  }
}

}  // namespace

// Fontconfig keeps what it allocates for the fonts it found until the process ends, and so
// does PulseAudio's client library for the sound server it asked about, where one runs.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libpulse.so\n"; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "fuzz_page_controls";
  static char* argv[] = {name, nullptr};
  // Kept for the whole run: widgets of every input are made under it.
  new QApplication(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static zeb::QuietPlatform platform;
  static const zeb::fuzzing::ScratchFolder folder("page-controls");
  const std::filesystem::path path = folder.write("book.zeb", data, size);
  {
    zeb::TZEBset set(platform.services());
    if (set.Load(path.string())) {
      unnameMediaFiles(set);
      zeb::TInsiemeCornici frames;
      readOffscreen(frames, set, wide);
      frames.setActivePreview(true);
      const std::int32_t pages = set.count(zeb::kindNumber(zeb::TOggettiHel::testoHtml));
      for (std::int32_t page = 0; page < pages && page < pagesShown; ++page) {
        frames.setMainPageNumber(page);
        frames.resize(narrow);
        frames.resize(wide);
        platform.events.runPending();
      }
      frames.ClearView();
    }
  }
  platform.events.runPending();
  platform.messages.clear();
  return 0;
}
