// Window placements: kept in the settings, and brought back onto a screen.
#include "platform/window_placement.h"

#include <gtest/gtest.h>

#include "platform/headless/memory_settings_store.h"

namespace zeb {
namespace {

const std::vector<WindowRect> oneScreen{{0, 0, 1920, 1050}};
// A primary screen with a smaller one to its left, lower down.
const std::vector<WindowRect> twoScreens{{0, 0, 1920, 1050}, {-1280, 200, 1280, 1000}};

TEST(WindowPlacement, APlacementOnAScreenStays) {
  EXPECT_EQ(placeOnScreens({100, 80, 800, 600}, oneScreen), (WindowRect{100, 80, 800, 600}));
  // Mostly off the screen, but enough of its title band shows to drag it back.
  EXPECT_EQ(placeOnScreens({1870, 1030, 800, 600}, oneScreen), (WindowRect{1870, 1030, 800, 600}));
  EXPECT_EQ(placeOnScreens({-1000, 300, 800, 600}, twoScreens), (WindowRect{-1000, 300, 800, 600}));
  EXPECT_EQ(placeOnScreens({5000, 5000, 800, 600}, {}), (WindowRect{5000, 5000, 800, 600}));
}

TEST(WindowPlacement, APlacementOffEveryScreenComesBackOntoOne) {
  // Moved off the right edge by a presentation mode (left = screen width).
  EXPECT_EQ(placeOnScreens({1920, 80, 800, 600}, oneScreen), (WindowRect{1120, 80, 800, 600}));
  // Too little of the title band shows: 40 pixels wide, or only the window's lower part.
  EXPECT_EQ(placeOnScreens({1880, 80, 800, 600}, oneScreen), (WindowRect{1120, 80, 800, 600}));
  EXPECT_EQ(placeOnScreens({100, -400, 800, 600}, oneScreen), (WindowRect{100, 0, 800, 600}));
  // Far away: to the nearest screen, shrunk to fit it.
  EXPECT_EQ(placeOnScreens({-9000, 900, 3000, 2000}, twoScreens), (WindowRect{-1280, 200, 1280, 1000}));
  EXPECT_EQ(placeOnScreens({9000, -9000, 640, 480}, twoScreens), (WindowRect{1280, 0, 640, 480}));
  // Overlapping the second screen below its title band: to the screen it overlaps most.
  EXPECT_EQ(placeOnScreens({-1200, 100, 800, 600}, twoScreens), (WindowRect{-1200, 200, 800, 600}));
}

TEST(WindowPlacement, AWindowIsNeverSmallerThanTheMinimum) {
  EXPECT_EQ(placeOnScreens({10, 10, 20, 0}, oneScreen), (WindowRect{10, 10, 100, 100}));
}

TEST(WindowPlacement, KeptUnderTheWindowsKey) {
  MemorySettingsStore settings;
  const std::string forms = "\\SOFTWARE\\KX\\Quillmark_E\\forms\\";
  EXPECT_EQ(readPlacement(settings, forms, "MainForm"), std::nullopt);
  writePlacement(settings, forms, "MainForm", {-30, 40, 800, 600});
  EXPECT_EQ(settings.readString(forms + "MainForm", "Left"), "-30");
  EXPECT_EQ(readPlacement(settings, forms, "MainForm"), (WindowRect{-30, 40, 800, 600}));

  for (const char* bad : {"", "wide", "80x", "0", "-5", "99999999"}) {
    settings.writeString(forms + "MainForm", "Width", bad);
    EXPECT_EQ(readPlacement(settings, forms, "MainForm"), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace zeb
