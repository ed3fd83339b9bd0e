// The zoom of the page view: how the window's pixels and the book's pixels relate. Layout
// and the book's arithmetic stay in book pixels; a page is laid out to its window's size in
// book pixels (so that a zoomed text flows again to the window's width) and painted scaled.
#pragma once

#include <vector>

#include "platform/canvas.h"

namespace zeb {

namespace limits {
inline constexpr int minimumZoomPercent = 50;
inline constexpr int maximumZoomPercent = 400;
}  // namespace limits

// The steps Zoom in and Zoom out go through.
const std::vector<int>& zoomSteps();
// The percent kept within the limits.
int clampedZoom(int percent);
// The next step above or below the percent (the limit itself at the ends).
int zoomedIn(int percent);
int zoomedOut(int percent);
// The largest zoom, at most 100 % and at least the minimum, at which content of the width
// (book pixels) fits the window's width; 100 when it fits already.
int fitWidthZoom(int contentWidth, int windowWidth);

class PageZoom {
 public:
  constexpr PageZoom() = default;
  explicit PageZoom(int percent) : percent_(clampedZoom(percent)) {}

  int percent() const { return percent_; }
  double factor() const { return percent_ / 100.0; }
  bool scaled() const { return percent_ != 100; }

  // Window pixels to book pixels, rounded down: what fits the window is laid out.
  int toBook(int windowPixels) const;
  // Book pixels to window pixels, rounded to the nearest.
  int toWindow(int bookPixels) const;
  // A rectangle of the one as the smallest rectangle of the other that covers it.
  CanvasRect toBook(const CanvasRect& window) const;
  CanvasRect toWindow(const CanvasRect& book) const;

  bool operator==(const PageZoom&) const = default;

 private:
  int percent_ = 100;
};

}  // namespace zeb
