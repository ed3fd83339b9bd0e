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
  EXPECT_EQ(modeAskedBy(headerWith(false, false)), 0);
  EXPECT_EQ(modeAskedBy(headerWith(true, false)), 1);
  EXPECT_EQ(modeAskedBy(headerWith(false, true)), 2);
  EXPECT_EQ(modeAskedBy(headerWith(true, true)), 3);
}

TEST(PresentationModes, OpeningABookWithFlagsMovesTheWindowAwayUntilTheSwitch) {
  PresentationModes modes;
  EXPECT_EQ(modes.bookOpened(headerWith(false, false)).switchTo, 0);
  const PresentationModes::Opened opened = modes.bookOpened(headerWith(true, true));
  EXPECT_TRUE(opened.moveOffScreen);
  EXPECT_EQ(opened.switchTo, 3);
  EXPECT_EQ(modes.mode(), 3);
  EXPECT_TRUE(modes.keepsMaximised());
  // A book that asks for no mode brings the normal window back, and the mode is gone.
  const PresentationModes::Opened plain = modes.bookOpened(headerWith(false, false));
  EXPECT_FALSE(plain.moveOffScreen);
  EXPECT_EQ(plain.switchTo, restoringMode);
  EXPECT_EQ(modes.mode(), 0);
  EXPECT_FALSE(modes.keepsMaximised());
  EXPECT_EQ(modes.bookOpened(headerWith(false, false)).switchTo, 0);
  // Each book's flags give its mode afresh: a borderless book after one without bars
  // leaves the bars alone.
  modes.bookOpened(headerWith(false, true));
  EXPECT_EQ(modes.bookOpened(headerWith(true, false)).switchTo, 1);
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
            (Changes{show, bringApplicationToFront, moveLeftEdgeToZero, maximiseIfMinimised, bringToFront}));
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

  // Escape leaves even those, once; "&Resize" then goes back to the book's mode.
  EXPECT_EQ(modes.escapePressed(), restoringMode);
  EXPECT_TRUE(modes.resizeChecked());
  EXPECT_FALSE(modes.keepsMaximised());
  EXPECT_EQ(modes.escapePressed(), 0);
  EXPECT_EQ(modes.resizeClicked().modeToApply, 1);
  // A book opened after the window was restored finds nothing to restore.
  modes.escapePressed();
  EXPECT_EQ(modes.bookOpened(headerWith(false, false)).switchTo, 0);
}

}  // namespace
}  // namespace zeb::shell
