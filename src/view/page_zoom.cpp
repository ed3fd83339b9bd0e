// The zoom of the page view.
#include "view/page_zoom.h"

#include <algorithm>
#include <cstdint>

namespace zeb {
namespace {

// Rounded down and up for negative values too.
std::int64_t floorDivided(std::int64_t value, std::int64_t by) {
  const std::int64_t quotient = value / by;
  return quotient * by > value ? quotient - 1 : quotient;
}

std::int64_t ceilDivided(std::int64_t value, std::int64_t by) { return -floorDivided(-value, by); }

int clampedInt(std::int64_t value) { return static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX)); }

}  // namespace

const std::vector<int>& zoomSteps() {
  static const std::vector<int> steps = {50, 67, 75, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400};
  return steps;
}

int clampedZoom(int percent) { return std::clamp(percent, limits::minimumZoomPercent, limits::maximumZoomPercent); }

int zoomedIn(int percent) {
  for (const int step : zoomSteps())
    if (step > percent) return step;
  return limits::maximumZoomPercent;
}

int zoomedOut(int percent) {
  const std::vector<int>& steps = zoomSteps();
  for (auto step = steps.rbegin(); step != steps.rend(); ++step)
    if (*step < percent) return *step;
  return limits::minimumZoomPercent;
}

int fitWidthZoom(int contentWidth, int windowWidth) {
  if (contentWidth <= 0 || windowWidth <= 0 || contentWidth <= windowWidth) return 100;
  return clampedZoom(static_cast<int>(std::int64_t{windowWidth} * 100 / contentWidth));
}

int PageZoom::toBook(int windowPixels) const {
  return clampedInt(floorDivided(std::int64_t{windowPixels} * 100, percent_));
}

int PageZoom::toWindow(int bookPixels) const {
  return clampedInt(floorDivided(std::int64_t{bookPixels} * percent_ + 50, 100));
}

CanvasRect PageZoom::toBook(const CanvasRect& window) const {
  return {clampedInt(floorDivided(std::int64_t{window.left} * 100, percent_)),
          clampedInt(floorDivided(std::int64_t{window.top} * 100, percent_)),
          clampedInt(ceilDivided(std::int64_t{window.right} * 100, percent_)),
          clampedInt(ceilDivided(std::int64_t{window.bottom} * 100, percent_))};
}

CanvasRect PageZoom::toWindow(const CanvasRect& book) const {
  return {clampedInt(floorDivided(std::int64_t{book.left} * percent_, 100)),
          clampedInt(floorDivided(std::int64_t{book.top} * percent_, 100)),
          clampedInt(ceilDivided(std::int64_t{book.right} * percent_, 100)),
          clampedInt(ceilDivided(std::int64_t{book.bottom} * percent_, 100))};
}

}  // namespace zeb
