// What the main window's popup menus ask of the visual page object they were opened on: an
// image or hot zone follows its link, a form button performs its click.
#pragma once

namespace zeb {

class PopupTarget {
 public:
  virtual ~PopupTarget() = default;
  // Whether following is offered: an image only when it has a link.
  virtual bool HasLink() const = 0;
  // "&Follow link" on a zone or an image; "&Follow link..." on a button of kind
  // bottoneCGI, which performs its click action.
  virtual void FollowFromMenu() = 0;
};

}  // namespace zeb
