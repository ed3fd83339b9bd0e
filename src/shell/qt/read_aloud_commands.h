// The View menu's reading aloud: Read aloud (Ctrl+Shift+S, and the main toolbar's button)
// speaks the page shown from the caret, Pause and Stop, the Voice and Reading speed choices,
// remembered in the settings. Without a speech engine the items are disabled and the hint
// says what to install.
#pragma once

#include <QObject>
#include <memory>

#include "shell/read_aloud.h"

class QAction;
class QActionGroup;
class QMenu;
class QToolBar;
class QToolButton;

namespace zeb {

class SettingsStore;
class Speech;
class TMainForm;
class TZEBbox;

class ReadAloudCommands final : public QObject, public ReadAloudView {
  Q_OBJECT

 public:
  // The speeds offered, slowest first; the middle one is the engine's normal speed.
  static constexpr double rates[] = {-0.6, -0.3, 0.0, 0.3, 0.6};

  // Adds the items to the menu.
  ReadAloudCommands(TMainForm& window, QMenu& viewMenu, SettingsStore& settings);
  ~ReadAloudCommands() override;

  void addButton(QToolBar& toolbar);
  // The voice to speak with; none leaves the items disabled.
  void setSpeech(std::unique_ptr<Speech> speech);
  // Enables the items when there is a voice, else disables them with the hint that says what
  // to install (after the window's texts were set).
  void refresh();
  ReadAloud* reader() const { return reader_.get(); }

  // ReadAloudView.
  const ReadingText* pageText() override;
  int startOffset() override;
  void showSpoken(int start, int end) override;
  bool nextPage() override;

 private:
  void fillVoices();
  void updateStates();

  TMainForm& window_;
  SettingsStore& settings_;
  std::unique_ptr<Speech> speech_;
  std::unique_ptr<ReadAloud> reader_;
  QAction* read_;
  QAction* pause_;
  QAction* stop_;
  QMenu* voices_;
  QMenu* speeds_;
  QActionGroup* voiceGroup_;
  QActionGroup* speedGroup_;
  QToolButton* button_ = nullptr;
  // Set while reading turns to the next page, whose change does not end the reading.
  bool turning_ = false;
};

}  // namespace zeb
