// TZEBListView: the objects of one kind of a book in a Qt list with the columns "Title",
// "Size", "File name", "# page" and an empty fifth, reloaded through a filter and sorted by
// the list's comparison when a header is clicked.
#pragma once

#include <QTreeView>
#include <cstdint>
#include <functional>
#include <vector>

#include "document/object_kinds.h"
#include "shell/object_list.h"

namespace zeb {

class ObjectListModel;

class TZEBListView : public QTreeView {
  Q_OBJECT

 public:
  explicit TZEBListView(QWidget* parent = nullptr);
  ~TZEBListView() override;

  // --- Published properties.
  TOggettiHel Objects() const { return kind_; }
  void setObjects(TOggettiHel kind) { kind_ = kind; }
  // The container; changing it removes the items. Before the container is cleared or
  // loads another book, set it again (or call containerCleared).
  TZEBset* LinkedZEBset() const { return set_; }
  void setLinkedZEBset(TZEBset* set);
  // A right press selects the item under the mouse and fires clicked (default true).
  bool RightMouseSelect() const { return rightMouseSelect_; }
  void setRightMouseSelect(bool select) { rightMouseSelect_ = select; }
  // Decides per object whether a reload lists it; accept comes in with the list's own rule.
  std::function<void(TZEBListView& sender, TZEBoggetto& object, bool& accept)> OnFilter;
  // Asked when Delete is pressed, with the selected item; allow starts false.
  std::function<void(TZEBListView& sender, const ObjectListItem& item, bool& allow)> OnDel;

  // --- Operations.
  // Lists the objects again (see listObjectItems), sorted by column 1; fires OnReload.
  void Reload();
  // The selected item's object identifier; -1 when nothing is selected or the object no
  // longer exists.
  std::int32_t SelectedIdentifier() const;
  TZEBoggetto* SelectedObject() const;
  // Sorts ascending by a column (0 to 3), as a header click does.
  void sortByListColumn(int column);
  // Removes every item (the container was cleared); the container stays linked.
  void containerCleared();
  const std::vector<ObjectListItem>& items() const;
  // Selects the item of the identifier and scrolls to it; false when the list lacks it.
  bool selectIdentifier(std::uint32_t identifier);

 signals:
  void OnReload();
  void OnAfterDel();
  // Kept for editors of the list; the reader never edits one.
  void OnEditStart();
  void OnEditStop();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int selectedRow() const;

  ObjectListModel* model_;
  TZEBset* set_ = nullptr;
  TOggettiHel kind_ = TOggettiHel::testoHtml;
  bool rightMouseSelect_ = true;
};

}  // namespace zeb
