// The search dialog over a frame set showing a book, with the fixed metrics of the test
// platform; the status bar and the "show frames" toggle are recorded.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QSignalSpy>
#include <memory>
#include <string>
#include <vector>

#include "shell/qt/object_list_view.h"
#include "shell/qt/search_dialog.h"
#include "tests/text/text_test_support.h"
#include "view/qt/frame_set.h"

namespace zeb::testing {

class SearchDialogTest : public TextTest {
 protected:
  SearchDialogTest() {
    frames.resize(400, 300);
    frames.setReadOnly(true);
    frames.setAutoJump(false);
    frames.setLinkedZEBset(&set);
    SearchDialogHost host;
    host.Editor = &frames;
    host.mainZEBset = &set;
    host.settings = &platform.settings;
    host.messages = &platform.messages;
    host.view.showStatusPanels = [this] { status.emplace_back("<panels>"); };
    host.view.showStatusText = [this](std::string_view text) { status.emplace_back(text); };
    host.view.switchShowFramesOff = [this] {
      ++framesSwitchedOff;
      frames.setShowNested(false);
    };
    dialog = std::make_unique<TFcerca>(std::move(host));
  }

  TZEBtesto& addPage(std::string_view text) { return zebmake::addPage(set, "page", plainTag() + std::string(text)); }

  template <typename Widget = QWidget>
  Widget& child(const char* name) const {
    auto* found = dialog->findChild<Widget*>(QString::fromLatin1(name));
    if (found == nullptr) throw std::runtime_error(std::string("no component ") + name);
    return *found;
  }
  QComboBox& box(const char* name) const { return child<QComboBox>(name); }
  void click(const char* name) const { child<QAbstractButton>(name).click(); }
  void setTerms(const char* first, const char* second = "", const char* third = "", const char* fourth = "") {
    box("Edit2").setEditText(QString::fromLatin1(first));
    box("Edit3").setEditText(QString::fromLatin1(second));
    box("Edit5").setEditText(QString::fromLatin1(third));
    box("Edit6").setEditText(QString::fromLatin1(fourth));
  }
  // Clicks the button and waits until the search it starts has ended.
  bool clickAndFinish(const char* name) {
    QSignalSpy finished(dialog.get(), &TFcerca::searchFinished);
    click(name);
    return finished.wait(60'000);
  }
  TZEBListView& results() const { return child<TZEBListView>("ZEBListViewPagPar"); }
  // The page numbers of a page list, in the list's order.
  static std::vector<int> pagesOf(const TZEBListView& list) {
    std::vector<int> pages;
    for (int row = 0; row < list.model()->rowCount(); ++row)
      pages.push_back(list.model()->index(row, 3).data().toInt());
    return pages;
  }
  std::string snippetOf(int row) const { return results().model()->index(row, 5).data().toString().toStdString(); }
  // The text selected in the frame set's current box; empty when nothing is.
  std::string selectedText() const {
    const TZEBbox* box = frames.CurrentBox();
    if (box == nullptr || !box->hasSelection()) return {};
    const TextPos& start = box->orderedStart();
    const TextPos& end = box->orderedEnd();
    if (start.paragraphIndex != end.paragraphIndex) return "<more than a paragraph>";
    return box->paragraph(start.paragraphIndex)
        .Text.substr(static_cast<std::size_t>(start.charIndex),
                     static_cast<std::size_t>(end.charIndex - start.charIndex));
  }
  std::string caption(const char* name) const { return child<QAbstractButton>(name).text().toStdString(); }

  TInsiemeCornici frames;
  std::vector<std::string> status;
  int framesSwitchedOff = 0;
  std::unique_ptr<TFcerca> dialog;
};

}  // namespace zeb::testing
