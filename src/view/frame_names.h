// Frames found by name: the depth-first search that finds the frame a link names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zeb {

class TZEBpage;

// What the search by name needs of a frame.
class NamedFrame {
 public:
  virtual ~NamedFrame() = default;
  virtual std::string frameName() const = 0;
  virtual int childFrameCount() const = 0;
  virtual NamedFrame& childFrame(int index) const = 0;
  // The page a leaf frame shows, or none.
  virtual TZEBpage* framePage() const = 0;
};

// Names compare after lower-casing both (Windows-1252).
bool sameFrameName(std::string_view first, std::string_view second);

// The name cut to the length a frame name holds.
std::string frameNameOf(std::string_view name);

// The first frame called `name`, depth first: a frame before its children, the children in
// order, and after a leaf the frame sets of its page's floating objects.
NamedFrame* findFrameByName(NamedFrame& root, std::string_view name);

}  // namespace zeb
