// TZEBFrame: one frame of a frame set: a page, or child frames with splitters between them.
// Its record, size and children are a node of the frame set's frame tree; the frame puts
// its children and their splitters where the layout places them, and after a splitter was
// dragged it records the new sizes in the tree.
#pragma once

#include <QMenu>
#include <QPointer>
#include <vector>

#include "view/frame_names.h"
#include "view/frame_tree.h"
#include "view/qt/frame_panel.h"


namespace zeb {

class PageWidget;
class TNoBgPaintPanel;
class TZEBCustomFrameSet;
class TZEBSplit;
class TZEBtesto;

class TZEBFrame : public TZEBFramePanel, public NamedFrame {
  Q_OBJECT

 public:
  // A frame showing the node (which must outlive it), with the frame set's settings.
  TZEBFrame(TZEBCustomFrameSet& frameSet, FrameNode& node, TZEBFrame* parentFrame, QWidget* parent);
  ~TZEBFrame() override;

  TZEBCustomFrameSet& frameSet() const { return *frameSet_; }
  FrameNode& node() const { return *node_; }
  const FrameRecord& record() const { return node_->record; }
  TZEBFrame* parentFrame() const { return parentFrame_; }
  // The panel that holds the children, their splitters and the page; its caption is the
  // frame's name where one shows.
  TNoBgPaintPanel& innerPanel() const { return *inner_; }
  // The page control of a leaf frame, or none.
  PageWidget* page() const { return page_; }
  const std::vector<TZEBFrame*>& childFrames() const { return children_; }
  // The splitter after this frame (made by its parent) and the one after the frame before.
  TZEBSplit* splitterAfter() const { return splitAfter_; }
  TZEBSplit* splitterBefore() const;

  // The popup of its page (PopupFrame, or PopupFrameChild for frames of a map) and of its
  // tables; not owned.
  QMenu* popup() const { return popup_; }
  void setPopup(QMenu* menu);
  QMenu* tablePopup() const { return tablePopup_; }
  void setTablePopup(QMenu* menu) { tablePopup_ = menu; }

  // --- The frames of a map.
  // Makes a frame for every child node (and theirs in turn), each with the splitter after
  // it when its node has one, and places them.
  void buildChildren();
  void freeChildren();
  // Puts the children and their splitters where their nodes say, and theirs in turn.
  void placeChildren();
  // The settings of the record: the caption, the splitters' colour, thickness and whether
  // they can be dragged, the page's border and scroll bars.
  void applySettings();
  // The frames of the subtree that show pages, in tree order.
  void collectLeaves(std::vector<TZEBFrame*>& leaves);

  // --- The page of a leaf frame.
  // A new page control showing the page's background (none: the book's default).
  void createPage(TZEBtesto* page);
  // Loads the page into the page control made by createPage (nothing in frames-only mode).
  void loadPage(TZEBtesto* page);
  // Shows the page: nothing when the frame shows it already; otherwise the old page keeps
  // or drops its edits and is freed, and a new page control loads it. Errors are ignored.
  void ShowPage(TZEBtesto* page);
  // The page keeps or drops its edits and is freed.
  void freePage();

  // NamedFrame.
  std::string frameName() const override { return node_->record.name; }
  int childFrameCount() const override { return static_cast<int>(children_.size()); }
  NamedFrame& childFrame(int index) const override { return *children_[static_cast<std::size_t>(index)]; }
  TZEBpage* framePage() const override;

  // The inner panel keeps a 10-pixel margin while the flag is set.
  void setFrameMargin(bool margin) override;
  // The splitter after a child was pressed: the caret stops blinking during the drag.

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // A press on the frame (its panel passes its presses on) goes no further: the frames
  // around it are not clicked too.
  void mousePressEvent(QMouseEvent* event) override;
  void passSettingsDown() override;

 private:
  // The after-drag steps for the child whose splitter was released.
  void splitterReleased(TZEBFrame& target);
  // Deletes a child frame that a drag made smaller than a bar width.
  void deleteChild(TZEBFrame& child);
  int thickness() const;
  void placeInnerPanel();

  TZEBCustomFrameSet* frameSet_;
  FrameNode* node_;
  TZEBFrame* parentFrame_;
  TNoBgPaintPanel* inner_;
  PageWidget* page_ = nullptr;
  std::vector<TZEBFrame*> children_;
  TZEBSplit* splitAfter_ = nullptr;
  QPointer<QMenu> popup_;
  QPointer<QMenu> tablePopup_;
};

}  // namespace zeb
