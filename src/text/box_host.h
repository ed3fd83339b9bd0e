// BoxHost: what a text box needs from the page or visual object that holds it.
#pragma once

namespace zeb {

class TZEBbox;

class BoxHost {
 public:
  virtual ~BoxHost() = default;

  // The width of the page's client area, or the width a hosting object offers.
  virtual int clientWidth() const = 0;
  // The box was loaded or laid out again: its extents, ranges or size may have changed.
  // A page updates its scroll bars and repaints (after a load it also clears its modified
  // flag and tells its frame set); a hosting object adapts its own size.
  virtual void boxChanged(TZEBbox&) {}
};

}  // namespace zeb
