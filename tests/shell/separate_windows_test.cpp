// Separate page windows without their widgets: the window description, pop-up placement,
// window kinds, the windows found by name, and a reset of the main container.
#include "shell/separate_windows.h"

#include <gtest/gtest.h>

#include <memory>

#include "document/book_object.h"
#include "shell/separate_window.h"
#include "tools/zebmake/link_actions.h"

namespace zeb::shell {
namespace {

using Lines = std::vector<std::string>;

TEST(WindowDescriptions, TwentyTwoBytesReadAtTheirOffsets) {
  const zebmake::WindowDescriptionFields fields{-20000, 7, 500, 320, true, false, true, false, true, true};
  std::vector<std::uint8_t> bytes = zebmake::windowDescriptionBytes(fields);
  bytes[8] = 0xAA;  // bytes the authoring tool keeps for itself
  bytes[19] = 0xBB;
  bytes.push_back(0x55);  // the data may go on after the description
  EXPECT_EQ(readWindowDescription(bytes),
            (WindowDescription{-20000, 7, 500, 320, true, false, true, false, true, true}));
  bytes.resize(21);
  EXPECT_EQ(readWindowDescription(bytes), std::nullopt);
}

TEST(WindowDescriptions, LeftMinus20000ChangesOnlyTheSize) {
  const WindowDescription description{-20000, 40, 500, 300, false, false, false, true, false, false};
  const WindowLayout layout = layoutFromDescription(description, true);
  EXPECT_EQ(layout.position, std::nullopt);
  EXPECT_EQ(layout.size, (WindowSize{500, 300}));
  EXPECT_FALSE(layout.panelVisible);
  EXPECT_EQ(layout.mainMenu, false);
  EXPECT_TRUE(layout.maximiseButton);
  EXPECT_EQ(layout.fixedSize, std::nullopt);

  // Width -20000 keeps the size; a window that cannot be resized is fixed to the size
  // described; a borderless window keeps its menu as it is.
  const WindowLayout fixed = layoutFromDescription({10, 20, -20000, 0, true, true, true, false, true, false}, false);
  EXPECT_EQ(fixed.position, (ScreenPoint{10, 20}));
  EXPECT_EQ(fixed.size, std::nullopt);
  EXPECT_TRUE(fixed.maximised);
  EXPECT_TRUE(fixed.panelVisible);
  EXPECT_EQ(fixed.mainMenu, std::nullopt);
  EXPECT_FALSE(fixed.maximiseButton);
  EXPECT_EQ(fixed.fixedSize, std::nullopt);
  EXPECT_EQ(layoutFromDescription({0, 0, 200, 100, false, false, false, false, false, true}, true).fixedSize,
            (WindowSize{200, 100}));
  // A size of nothing is no size.
  EXPECT_EQ(layoutFromDescription({0, 0, 0, 100, false, false, false, false, false, true}, true).size, std::nullopt);

  const WindowLayout plain = layoutWithoutDescription({800, 600});
  EXPECT_EQ(plain.size, (WindowSize{800, 600}));
  EXPECT_TRUE(plain.panelVisible && plain.mainToolbar && plain.historyToolbar && plain.statusBar);
  EXPECT_EQ(plain.mainMenu, true);
}

TEST(PopupPlacement, BesideTheClickInsideTheScreen) {
  const ScreenRect screen{0, 0, 1024, 768};
  const WindowSize size{300, 200};
  EXPECT_EQ(popupPlacement({30, 100}, size, screen).position, (ScreenPoint{30, 100}));
  EXPECT_EQ(popupPlacement({300, 100}, size, screen).position, (ScreenPoint{250, 100}));
  EXPECT_EQ(popupPlacement({1000, 100}, size, screen).position, (ScreenPoint{724, 100}));
  // Near the bottom it opens above the click, 10 pixels higher than its own height.
  EXPECT_EQ(popupPlacement({300, 700}, size, screen).position, (ScreenPoint{250, 490}));
  // Taller than the room above: at the top, cut to the screen when taller than it.
  EXPECT_EQ(popupPlacement({300, 700}, {300, 900}, screen), (PopupPlacement{{250, 0}, 768}));
  EXPECT_EQ(popupPlacement({300, 600}, {300, 700}, screen), (PopupPlacement{{250, 0}, std::nullopt}));
  // The screen that holds the main window may lie beside another.
  EXPECT_EQ(popupPlacement({1024 + 30, 100}, size, {1024, 0, 1280, 1024}).position, (ScreenPoint{1054, 100}));
  EXPECT_EQ(popupPlacement({1024 + 300, 900}, size, {1024, 0, 1280, 1024}).position, (ScreenPoint{1274, 690}));
}

TEST(WindowKinds, WhatShowingATargetDoesToTheWindow) {
  EXPECT_EQ(changesForKind(WindowKind::plain, {800, 600}), (KindChanges{WindowSize{800, 600}, false, false}));
  EXPECT_EQ(changesForKind(WindowKind::named, {800, 600}), (KindChanges{std::nullopt, true, false}));
  EXPECT_EQ(changesForKind(WindowKind::popup, {800, 600}), (KindChanges{std::nullopt, true, true}));
  EXPECT_EQ(nestedFramesSetting(0), false);
  EXPECT_EQ(nestedFramesSetting(1), true);
  EXPECT_EQ(nestedFramesSetting(2), std::nullopt);

  SeparateWindowCore window;
  window.showAs(WindowKind::popup, {800, 600});
  EXPECT_EQ(window.showAs(WindowKind::keep, {800, 600}), KindChanges{});
  EXPECT_EQ(window.kind(), WindowKind::popup);
  EXPECT_TRUE(window.closesWhenLeft());
  EXPECT_EQ(window.linkContext(nullptr, true).handler, LinkHandler::popupWindow);
  window.showAs(WindowKind::named, {800, 600});
  EXPECT_EQ(window.linkContext(nullptr, true).handler, LinkHandler::separateWindow);
}

TEST(SeparateWindowCoreTest, FramesByNameClosingOnceAndThePreviewBook) {
  SeparateWindowCore window;
  EXPECT_EQ(window.lookUpFrame("anything"), SeparateWindowCore::FrameLookup::askPreview);
  window.Prepare("Info", std::nullopt, true, {800, 600});
  window.showAs(WindowKind::named, {800, 600});
  EXPECT_EQ(window.lookUpFrame("INFO"), SeparateWindowCore::FrameLookup::thisWindow);
  EXPECT_EQ(window.lookUpFrame("side"), SeparateWindowCore::FrameLookup::none);
  EXPECT_TRUE(window.sizeable());
  window.Prepare("Info", WindowDescription{0, 0, 10, 10, false, false, false, false, false, false}, true, {});
  EXPECT_FALSE(window.sizeable());

  EXPECT_TRUE(window.startClosing());
  EXPECT_FALSE(window.startClosing());
  EXPECT_TRUE(window.closing());

  EXPECT_EQ(previewBookFor("/b/./guide.zeb", "/b/guide.zeb", "/b/main.zeb"), PreviewBook::unchanged);
  EXPECT_EQ(previewBookFor("/b/c/../main.zeb", "/b/guide.zeb", "/b/main.zeb"), PreviewBook::main);
  // Letter case tells books apart.
  EXPECT_EQ(previewBookFor("/b/Guide.zeb", "/b/guide.zeb", "/b/main.zeb"), PreviewBook::own);
  EXPECT_EQ(previewBookFor("/b/MAIN.zeb", "/b/guide.zeb", "/b/main.zeb"), PreviewBook::own);
  EXPECT_EQ(previewBookFor("/b/other.zeb", "/b/guide.zeb", "/b/main.zeb"), PreviewBook::own);
  EXPECT_EQ(previewBookFor("", "/b/guide.zeb", "/b/main.zeb"), PreviewBook::cleared);
}

TEST(SeparateWindowCoreTest, AnotherMainBookLeavesTheWindowOnItsOldPage) {
  SeparateWindowCore window;
  window.beforeMainReset("/b/first.zeb", 4);
  EXPECT_EQ(window.afterMainReset(true, "/b/second.zeb"), (SeparateWindowCore::Reopen{"/b/first.zeb", 4}));
  // The remembered book is forgotten after each reset.
  EXPECT_EQ(window.afterMainReset(true, "/b/third.zeb"), (SeparateWindowCore::Reopen{"", 4}));

  window.beforeMainReset("/b/first.zeb", 4);
  EXPECT_EQ(window.afterMainReset(true, "/b/first.zeb"), std::nullopt);  // the same book again
  window.beforeMainReset("/b/first.zeb", 4);
  EXPECT_EQ(window.afterMainReset(true, "/b/First.zeb"), (SeparateWindowCore::Reopen{"/b/first.zeb", 4}));
  window.beforeMainReset("/b/first.zeb", 4);
  EXPECT_EQ(window.afterMainReset(false, "/b/second.zeb"), std::nullopt);  // it shows its own book
}

// A window that writes down what it is asked into a shared log.
class FakeWindow final : public SeparateWindow {
 public:
  FakeWindow(std::string label, Lines& log) : label_(std::move(label)), log_(log) {}

  std::string windowName() const override { return name; }
  void Prepare(std::string_view newName, const std::optional<WindowDescription>& description) override {
    name = std::string(newName);
    log_.push_back(label_ + " Prepare " + name + (description ? " described" : ""));
  }
  void placeAsPopup(ScreenPoint click) override {
    log_.push_back(label_ + " placeAsPopup " + std::to_string(click.x) + "," + std::to_string(click.y));
  }
  void showTarget(TZEBoggetto&, std::int32_t anchor, WindowKind kind, int flag) override {
    log_.push_back(label_ + " showTarget kind " + std::to_string(static_cast<int>(kind)) + " anchor " +
                   std::to_string(anchor) + " flag " + std::to_string(flag));
  }
  bool showInFrameNamed(std::string_view frame, TZEBoggetto&, std::int32_t, int) override {
    if (fails) throw std::runtime_error("gone");
    log_.push_back(label_ + " asked for frame " + std::string(frame));
    return frames == frame;
  }
  void requestClose() override { log_.push_back(label_ + " close"); }
  void beforeMainReset() override {
    if (fails) throw std::runtime_error("gone");
    log_.push_back(label_ + " before reset");
  }
  void afterMainReset() override { log_.push_back(label_ + " after reset"); }

  std::string name;
  std::string frames;
  bool fails = false;

 private:
  std::string label_;
  Lines& log_;
};

class SeparateWindowsTest : public ::testing::Test {
 protected:
  FakeWindow& add(std::string_view name, std::string_view frames = {}) {
    next = std::make_unique<FakeWindow>("w" + std::to_string(made.size() + 1), log);
    next->name = std::string(name);
    next->frames = std::string(frames);
    FakeWindow& window = *next;
    // Windows made here go through the registry like any other.
    windows.showInNamedWindow(name, target, 0, 0, std::nullopt);
    log.clear();
    return window;
  }

  Lines log;
  std::vector<std::unique_ptr<FakeWindow>> made;
  std::unique_ptr<FakeWindow> next;
  SeparateWindows windows{[this]() -> SeparateWindow& {
    if (!next) next = std::make_unique<FakeWindow>("w" + std::to_string(made.size() + 1), log);
    made.push_back(std::move(next));
    return *made.back();
  }};
  TZEBoggetto target;
};

TEST_F(SeparateWindowsTest, ShowInWindowTriesTheMainFramesThenEachWindowThenMakesOne) {
  FakeWindow& first = add("Info");
  FakeWindow& second = add("Other", "side");
  first.fails = true;
  windows.ShowInWindow(
      [&] {
        log.push_back("main frames");
        return false;
      },
      "side", target, 3, 1);
  EXPECT_EQ(log, (Lines{"main frames", "w2 asked for frame side"}));

  log.clear();
  windows.ShowInWindow([&] { return false; }, "notes", target, 3, 1);
  EXPECT_EQ(log, (Lines{"w2 asked for frame notes", "w3 Prepare notes", "w3 showTarget kind 1 anchor 3 flag 1"}));

  log.clear();
  windows.ShowInWindow([&] { return true; }, "notes", target, 3, 1);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(windows.count(), 3u);
  (void)second;
}

TEST_F(SeparateWindowsTest, NamedWindowsAreFoundIgnoringCaseNewAndPopupOnesNever) {
  add("Info");
  windows.showInNamedWindow("INFO", target, 2, 0, WindowDescription{});
  windows.showInNewWindow(target, -1, 0);
  windows.showInPopupWindow(target, 5, 1, std::nullopt, {30, 40});
  EXPECT_EQ(log, (Lines{"w1 Prepare INFO described", "w1 showTarget kind 1 anchor 2 flag 0", "w2 Prepare <<<new",
                        "w2 showTarget kind 0 anchor -1 flag 0", "w3 Prepare <<<pop", "w3 placeAsPopup 30,40",
                        "w3 showTarget kind 2 anchor 5 flag 1"}));
  EXPECT_EQ(windows.findByName("<<<new"), nullptr);
  EXPECT_EQ(windows.findByName("<<<POP"), nullptr);
  EXPECT_NE(windows.findByName("info"), nullptr);

  log.clear();
  windows.showInNamedWindow("<<<new", target, 0, 0, std::nullopt);
  EXPECT_EQ(log.front(), "w4 Prepare <<<new");
}

TEST_F(SeparateWindowsTest, ClosingByNameAndTheResetToldToEveryWindow) {
  FakeWindow& first = add("Info Window");
  FakeWindow& second = add("second");
  EXPECT_TRUE(windows.closeWindowNamed("info window"));
  EXPECT_FALSE(windows.closeWindowNamed("none"));
  windows.remove(first);
  EXPECT_FALSE(windows.closeWindowNamed("info window"));
  EXPECT_EQ(windows.count(), 1u);
  EXPECT_EQ(log, Lines{"w1 close"});

  add("third").fails = true;
  windows.beforeMainReset();
  windows.afterMainReset();
  EXPECT_EQ(log, (Lines{"w2 before reset", "w2 after reset", "w3 after reset"}));
  (void)second;
}

}  // namespace
}  // namespace zeb::shell
