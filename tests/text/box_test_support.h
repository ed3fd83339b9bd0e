// Doubles around a text box for the tests of its input, painting and copying: a page host, a
// window surface and a frame set that write down what the box asks of them, and helpers that
// make link objects and pictures.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "document/container.h"
#include "document/image_cache.h"
#include "document/page_object.h"
#include "tests/support/picture_objects.h"
#include "tests/text/text_test_support.h"
#include "text/box_host.h"
#include "text/box_surface.h"
#include "text/frame_set_link.h"
#include "text/picture_placement.h"
#include "tools/zebmake/picture_maker.h"

namespace zeb::testing {

class RecordingFrameSet final : public FrameSetLink {
 public:
  bool Enabled() const override { return enabled; }
  bool Wrapper() const override { return wrapper; }
  bool CaretBrowsing() const override { return caretBrowsing; }
  void SetCurrentControl(TZEBbox&) override { ++currentControlCalls; }
  void SetActiveBox(TZEBbox&) override { ++activeBoxCalls; }
  void RulerPosChanged(TZEBbox&) override { ++rulerCalls; }
  void DropFile(const std::vector<std::string>& files, TZEBbox* caller) override {
    dropped.push_back(files);
    dropCallers.push_back(caller);
  }
  void Click(TZEBbox&) override { ++clicks; }
  void FollowLink(TZEBbox&, TZEBoggetto& link) override { followed.push_back(&link); }
  void RememberObject(TZEBoggetto& object) override { remembered.push_back(&object); }
  void TakeFocus() override { ++focusTaken; }

  bool enabled = true;
  bool wrapper = false;
  bool caretBrowsing = false;
  int currentControlCalls = 0;
  int activeBoxCalls = 0;
  int rulerCalls = 0;
  int clicks = 0;
  int focusTaken = 0;
  std::vector<std::vector<std::string>> dropped;
  std::vector<TZEBbox*> dropCallers;
  std::vector<TZEBoggetto*> followed;
  std::vector<TZEBoggetto*> remembered;
};

class TestHost final : public BoxHost {
 public:
  int clientWidth() const override { return width; }
  int clientHeight() const override { return height; }
  void scrolled(TZEBbox&) override { ++scrolls; }
  TZEBbox* leaveBox(TZEBbox&, LeaveDirection direction) override {
    left.push_back(direction);
    return nullptr;
  }
  FrameSetLink* frameSet() const override { return frames; }

  int width = 200;
  int height = 300;
  int scrolls = 0;
  std::vector<LeaveDirection> left;
  FrameSetLink* frames = nullptr;
};

struct ShownPopup {
  PopupMenuChoice choice;
  int x;
  int y;
  bool operator==(const ShownPopup&) const = default;
};

class RecordingSurface final : public BoxSurface {
 public:
  void invalidate(const CanvasRect& area) override { invalidated.push_back(area); }
  void setMouseCursor(MouseCursor shown) override { cursor = shown; }
  void hintChanged(std::string_view text) override { hints.emplace_back(text); }
  bool hasFocus() const override { return focused; }
  void takeFocus() override { focused = true; }
  void showPopup(PopupMenuChoice choice, int x, int y) override { popups.push_back({choice, x, y}); }

  bool focused = false;
  MouseCursor cursor = MouseCursor::standard;
  std::vector<std::string> hints;
  std::vector<ShownPopup> popups;
  std::vector<CanvasRect> invalidated;
};

// A box on a page in a frame set, with fixed metrics: style plainStyle has 10-pixel
// characters on 20-pixel lines, and the first paragraph starts at y 8.
class BoxTest : public TextTest {
 protected:
  BoxTest() { host.frames = &frames; }

  TZEBbox& show(std::string_view markup, int width = 200, TZEBtesto* header = nullptr, TZEBtesto* footer = nullptr) {
    std::string text(markup);
    text.push_back('\0');
    setText(text);
    box = std::make_unique<TZEBbox>(set, measures);
    box->setHost(&host);
    box->setSurface(&surface);
    box->setBounds(0, 0, width, 300);
    host.width = width;
    box->LoadFrom(*page, header, footer);
    return *box;
  }
  // A text for a header or footer.
  std::unique_ptr<TZEBtesto> textOf(std::string_view markup) const {
    auto text = std::make_unique<TZEBtesto>();
    text->setText(std::string(markup) + '\0');
    return text;
  }

  // A hyperlink local to the page, and its link tag.
  std::string localLink(std::string_view target, TOggettiHel kind = TOggettiHel::internetLink) {
    auto link = set.makeObject(kind);
    link->Activate();
    if (kind == TOggettiHel::internetLink) link->setName(target);
    const std::uint32_t reference = page->registerLocal(std::move(link));
    return linkTag(reference);
  }
  static std::string linkTag(std::uint32_t code) { return objectTag(code); }

  // A picture object of the size, filled with one colour (0xRRGGBB), decoded in the cache.
  TZEBoggetto& pictureObject(int width, int height, std::uint32_t rgb) {
    return addDecodedPicture(set, width, height, rgb);
  }

  // A placement of the picture embedded in the page; its tag.
  std::string embeddedPicture(TZEBoggetto& picture, int width, int height) {
    auto placement = set.makeObject(TOggettiHel::immagineNew);
    placement->Release();
    placement->record().setI32(field::placementPicture, picture.Index());
    placement->record().setI16(field::placementDisplayWidth, static_cast<std::int16_t>(width));
    placement->record().setI16(field::placementDisplayHeight, static_cast<std::int16_t>(height));
    placement->record().setI16(field::placementNaturalWidth, static_cast<std::int16_t>(width));
    placement->record().setI16(field::placementNaturalHeight, static_cast<std::int16_t>(height));
    const std::uint32_t reference = page->addEmbedded(std::move(placement), 0);
    return linkTag(reference);
  }

  std::string tag(std::string_view attributes) const {
    return "<Z S" + std::to_string(plainStyle) + " " + std::string(attributes) + ">";
  }

  RecordingFrameSet frames;
  TestHost host;
  RecordingSurface surface;
};

}  // namespace zeb::testing
