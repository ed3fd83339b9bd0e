// The reader's main window until the frame set is assembled into it: menus, toolbar, history
// combo box and status bar around a label that stands where the frame set "Editor" goes. It
// shows the number and name of the page the frame set would show.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "shell/reader_shell.h"
#include "shell/reader_view.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;

namespace zeb {

class PlaceholderWindow final : public QMainWindow, public shell::ReaderView {
  Q_OBJECT

 public:
  // The arguments are the program's, without its name.
  PlaceholderWindow(const PlatformServices& services, std::vector<std::string> arguments);
  ~PlaceholderWindow() override;

  shell::ReaderShell& readerShell() { return *shell_; }
  // The splash, closed a second after the window first shows.
  void setSplash(QWidget* splash) { splash_ = splash; }

  // --- ReaderView.
  void clearView() override;
  void showCover() override;
  std::int32_t mainPageNumber() const override { return page_; }
  void setMainPageNumber(std::int32_t page) override;
  bool showingTemporaryFrameSet() const override { return false; }
  void setReadOnly(bool) override {}
  void focusCurrentBox() override;
  void setCaption(const std::string& captionUtf8) override;
  void enableBookCommands() override;
  void resetReaderUI() override;
  void recentFilesChanged(const std::vector<shell::RecentMenuChange>& changes, bool separatorVisible) override;
  void historyChanged(const shell::BrowsingHistory& history) override;
  void applyWindowChanges(const std::vector<shell::WindowChange>& changes) override;
  void moveOffScreen() override;
  void setResizeChecked(bool) override {}
  void closeSplash() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  void buildToolbar();
  void buildStatusBar();
  void showPage(std::int32_t page);
  QAction* recentAction(const std::string& path) const;
  void openWithDialog();

  PlatformServices services_;
  std::vector<std::string> arguments_;
  QLabel* editor_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* copyMenu_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  QAction* previous_ = nullptr;
  QAction* next_ = nullptr;
  QComboBox* historyCombo_ = nullptr;
  std::vector<QLabel*> statusPanels_;
  QPointer<QWidget> splash_;
  std::unique_ptr<shell::ReaderShell> shell_;
  std::int32_t page_ = -1;
  bool quitAfterFirstPaint_ = false;
  bool reportPages_ = false;
};

}  // namespace zeb
