// FrameSetLink: what a text box tells the frame set it is shown in, and what it asks of it.
// The frame set implements it; a box finds it through its host.
#pragma once

#include <string>
#include <vector>

namespace zeb {

class TZEBbox;
class TZEBoggetto;

class FrameSetLink {
 public:
  virtual ~FrameSetLink() = default;

  // The frame set's Enabled state: a disabled frame set (busy following a link) receives
  // no follow-link requests.
  virtual bool Enabled() const { return true; }
  // Wrapper: dropped files are ignored, and a copy puts only plain text on the clipboard.
  virtual bool Wrapper() const { return false; }
  // Caret browsing: boxes in reading modes show a caret that the keys move as in editing,
  // and Enter follows the link at it.
  virtual bool CaretBrowsing() const { return false; }

  // SetCurrentControl: the box's selection or caret changed (after every click, selection
  // change, caret key and load); the frame set records the box as its current control and
  // raises OnSelectionChange with it.
  virtual void SetCurrentControl(TZEBbox&) {}
  // SetActiveBox: the box was released on or started a selection; the previously active box
  // drops its selection, so that only one box shows one.
  virtual void SetActiveBox(TZEBbox&) {}
  // Raises OnRulerPosChanged (after a load, and after a resize of the focused box).
  virtual void RulerPosChanged(TZEBbox&) {}
  // Raises OnDropFile with the dropped paths; the caller is none in reading mode.
  virtual void DropFile(const std::vector<std::string>&, TZEBbox*) {}
  // Raises OnClick: a click on no link in an Animated box.
  virtual void Click(TZEBbox&) {}
  // Follows the link: the handling of a posted follow-link request (boxes post it through
  // TZEBbox::followLink, so that their mouse handling has ended before the view changes).
  virtual void FollowLink(TZEBbox&, TZEBoggetto&) {}
  // Remembers the link object of kinds 3 and 10 that was clicked outside reading mode.
  virtual void RememberObject(TZEBoggetto&) {}
  // Takes the focus for itself (a press in an Animated box).
  virtual void TakeFocus() {}
};

}  // namespace zeb
