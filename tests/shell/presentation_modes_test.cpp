// Presentation modes: the mode a book asks for, the window changes of each mode, "&Resize".
#include "shell/presentation_modes.h"

#include <gtest/gtest.h>

#include "document/book_header.h"

namespace zeb::shell {
namespace {

using enum WindowChange;
using Changes = std::vector<WindowChange>;

BookHeader headerWith(bool borderless, bool hideBars) {
  BookHeader header;
  header.setU8(borderlessFlagOffset, borderless ? 1 : 0);
  header.setU8(hideBarsFlagOffset, hideBars ? 1 : 0);
  return header;
}

TEST(PresentationModes, TheHeaderFlagsGiveTheMode) {
  EXPECT_EQ(modeAskedBy(headerWith(false, false), 0), 0);
  EXPECT_EQ(modeAskedBy(headerWith(true, false), 0), 1);
  EXPECT_EQ(modeAskedBy(headerWith(false, true), 0), 2);
  EXPECT_EQ(modeAskedBy(headerWith(true, true), 0), 3);
  // A book without flags leaves the mode of the run as it was.
  EXPECT_EQ(modeAskedBy(headerWith(false, false), 3), 3);
  // Flags give the mode afresh: opening a borderless book twice does not hide the bars.
  EXPECT_EQ(modeAskedBy(headerWith(true, false), 1), 1);
  EXPECT_EQ(modeAskedBy(headerWith(true, false), 3), 1);
}

TEST(PresentationModes, OpeningABookWithFlagsMovesTheWindowAwayUntilTheSwitch) {
  PresentationModes modes;
  EXPECT_FALSE(modes.bookOpened(headerWith(false, false)).switchDue);
  const PresentationModes::Opened opened = modes.bookOpened(headerWith(true, true));
  EXPECT_TRUE(opened.moveOffScreen);
  EXPECT_TRUE(opened.switchDue);
  EXPECT_EQ(modes.mode(), 3);
  EXPECT_TRUE(modes.keepsMaximised());
  // The mode lives on: a plain book does not move the window but switches to it again.
  const PresentationModes::Opened plain = modes.bookOpened(headerWith(false, false));
  EXPECT_FALSE(plain.moveOffScreen);
  EXPECT_TRUE(plain.switchDue);
}

TEST(PresentationModes, EachModeChangesTheWindowInItsOrder) {
  EXPECT_EQ(windowChangesForMode(0), Changes{});
  EXPECT_EQ(windowChangesForMode(1),
            (Changes{hide, removeBorder, systemMenuIconOnly, moveLeftEdgeToZero, maximise, show}));
  EXPECT_EQ(windowChangesForMode(2),
            (Changes{hide, hideStatusBar, hideToolbars, removeMainMenu, removeBorder, maximise, show}));
  EXPECT_EQ(windowChangesForMode(3), (Changes{hide, hideStatusBar, hideToolbars, removeMainMenu, removeBorder,
                                              systemMenuIconOnly, maximise, show}));
  // Restoring also brings back onto the screen the window that opening moved off it.
  EXPECT_EQ(windowChangesForMode(4), (Changes{hide, showToolbars, showStatusBar, restoreMainMenu, sizeableBorder,
                                              allBorderIcons, normalState, moveOntoScreen, show}));
  EXPECT_EQ(windowChangesForMode(5), Changes{});
  EXPECT_EQ(windowChangesForDelivery(false), Changes{show});
  EXPECT_EQ(windowChangesForDelivery(true),
            (Changes{bringApplicationToFront, moveLeftEdgeToZero, maximiseIfMinimised, bringToFront}));
  EXPECT_EQ(nameOf(systemMenuIconOnly), "systemMenuIconOnly");
}

TEST(PresentationModes, ResizeTogglesBetweenTheNormalWindowAndTheBooksMode) {
  PresentationModes modes;
  modes.bookOpened(headerWith(false, true));
  PresentationModes::Resize resize = modes.resizeClicked();
  EXPECT_FALSE(resize.disabled);
  EXPECT_EQ(resize.modeToApply, restoringMode);
  EXPECT_TRUE(modes.resizeChecked());
  resize = modes.resizeClicked();
  EXPECT_EQ(resize.modeToApply, 2);
  EXPECT_FALSE(modes.resizeChecked());

  // Borderless modes forbid it and keep the check mark.
  modes.bookOpened(headerWith(true, false));
  EXPECT_TRUE(modes.resizeClicked().disabled);
  EXPECT_FALSE(modes.resizeChecked());
}

}  // namespace
}  // namespace zeb::shell
