// TFseparato, a separate page window: a small copy of the reader beside the main window with
// its own frame set (Preview), history and private container (ZEBset1), shown as a plain,
// named or pop-up window. Its decisions are SeparateWindowCore's; the window applies them.
#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "document/container.h"
#include "shell/separate_window.h"
#include "shell/separate_windows.h"
#include "view/link_rules.h"

class QComboBox;
class QMenuBar;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace zeb {

class TInsiemeCornici;
class TMainForm;

namespace shell {
class MainWindowLinks;
class SeparateWindowLinks;
}  // namespace shell

class TFseparato final : public QWidget, public shell::SeparateWindow {
  Q_OBJECT

 public:
  // FormCreate: a window of the main window (it stays over it), Preview linked to the main
  // container, nothing shown yet.
  explicit TFseparato(shell::MainWindowLinks& owner);
  // FormDestroy: Preview lets go of its pages before the private container goes.
  ~TFseparato() override;

  // --- Components.
  TInsiemeCornici* Preview() const { return preview_; }
  TZEBset& ZEBset1() { return ZEBset1_; }
  QWidget* Panel1() const { return panel_; }
  QToolBar* ToolbarFile() const { return toolbarFile_; }
  QToolBar* ToolbarHistory() const { return toolbarHistory_; }
  QComboBox* HistoryCombo() const { return historyCombo_; }
  QStatusBar* StatusBar() const { return statusBar_; }
  QMenuBar* MainMenu() const { return mainMenu_; }
  QToolButton* button(const char* name) const;
  const shell::SeparateWindowCore& core() const { return core_; }
  shell::MainWindowLinks& owner() const { return owner_; }

  // --- SeparateWindow.
  std::string windowName() const override { return core_.name(); }
  void Prepare(std::string_view name, const std::optional<shell::WindowDescription>& description) override;
  void placeAsPopup(shell::ScreenPoint click) override;
  void showTarget(TZEBoggetto& target, std::int32_t anchor, shell::WindowKind kind, int nestedFlag) override;
  bool showInFrameNamed(std::string_view name, TZEBoggetto& target, std::int32_t anchor, int flag) override;
  void requestClose() override;
  void beforeMainReset() override;
  void afterMainReset() override;
  void textEncodingChanged() override;

  // --- What the window's links and buttons do.
  // The path of the book Preview shows (UTF-8); a Preview without container is linked to
  // the main container first.
  std::string previewBook();
  // Makes Preview show the book (UTF-8 path): the main container's, or another in ZEBset1.
  // False when the book could not be read (the window said so).
  bool showBook(const std::string& path);
  // A "nexo:" target (Windows-1252) in this window.
  void GoToTarget(std::string_view target);
  // The page Preview is showing when a link is followed: what ShowInFrameOf acts on.
  TZEBpage* clickedPage() const { return clickedPage_; }

  // --- Events.
  void PreviewDoLink(LinkSource source, TZEBoggetto* link);
  void PreviewPageChanged();
  void PreviewClick();
  void BPrecedenteClick();
  void BseguenteClick();
  void HistoryComboClick(int index);
  void CoverButtonClick();
  void SummaryButtonClick();
  void CercaKeyButtonClick();
  void FileExitItemClick();
  void HelpAboutItemClick();
  // The print button and menu item run the main window's printing.
  void printClick();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildMenu();
  void buildToolbars();
  void applyLayout(const shell::WindowLayout& layout);
  void applyKind(const shell::KindChanges& changes);
  void setBorder(bool border);
  shell::WindowSize mainWindowSize() const;
  // Shows the window (keeping where it is) and brings it to the front.
  void bringToFront();
  void historyChanged();
  void goHistory(int index);
  // FormClose, once: Preview unlinked and cleared, the private container cleared, and the
  // main window told (it frees the window once the current event is over).
  void FormClose();
  void releasePages();
  // Opens the book (UTF-8 path) in the private container and shows it in Preview.
  bool openOwn(const std::string& path);

  shell::MainWindowLinks& owner_;
  TMainForm& mainWindow_;
  shell::SeparateWindowCore core_;
  TZEBset ZEBset1_;
  std::unique_ptr<shell::SeparateWindowLinks> links_;
  TInsiemeCornici* preview_ = nullptr;
  QWidget* panel_ = nullptr;
  QToolBar* toolbarFile_ = nullptr;
  QToolBar* toolbarHistory_ = nullptr;
  QComboBox* historyCombo_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  QMenuBar* mainMenu_ = nullptr;
  TZEBpage* clickedPage_ = nullptr;
  bool maximised_ = false;
  // Links being handled in Preview: a close asked for meanwhile waits until they are done.
  int linksHandled_ = 0;
  bool closeAfterLinks_ = false;
  // Preview showed the main container when it was reset, at this page.
  bool showedMainBeforeReset_ = false;
  std::int32_t pageBeforeReset_ = -1;
};

}  // namespace zeb
