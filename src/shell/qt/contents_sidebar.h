// The contents sidebar: a dock beside the page view showing the book's contents tree. It
// selects the node of the page shown, and a click (or Enter) on a page's node shows that
// page, the tree keeping the keyboard. A book that stores a contents tree shows it when opened; for others the tree is
// built when the sidebar is first shown. The tree is read once the events of the moment are
// handled, and never before the window has been painted: the page shows first.
#pragma once

#include <QDockWidget>
#include <cstdint>

#include "shell/container_listeners.h"

class QModelIndex;

namespace zeb {

class TZEBorderedTree;
class TZEBset;

class ContentsSidebar final : public QDockWidget, public shell::ContainerListener {
  Q_OBJECT

 public:
  explicit ContentsSidebar(QWidget* parent = nullptr);

  TZEBorderedTree* tree() const { return tree_; }
  void setLinkedZEBset(TZEBset* set);
  // Whether the tree holds the open book's contents.
  bool loaded() const { return loaded_; }

  // A book was opened: the sidebar shows when the book stores a contents tree, and hides
  // otherwise.
  void bookOpened(bool storesContents);
  // While held, the tree is not read: the window holds it until it has first been painted,
  // so that the page shows before anything else is done.
  void setLoadingHeld(bool held);
  // Selects the first node of the page (none for a page the tree lacks or -1).
  void showPage(std::int32_t page);

  // --- ContainerListener: the nodes point into the container.
  void containerResetting() override;

 signals:
  void pageChosen(std::int32_t page);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void scheduleLoad();
  void load();
  void nodeActivated(const QModelIndex& index);

  TZEBorderedTree* tree_;
  std::int32_t shownPage_ = -1;
  bool loaded_ = false;
  bool loadScheduled_ = false;
  bool held_ = false;
  bool loadWanted_ = false;
};

}  // namespace zeb
