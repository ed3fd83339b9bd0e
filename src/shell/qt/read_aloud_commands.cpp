// Reading aloud from the View menu.
#include "shell/qt/read_aloud_commands.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <cmath>
#include <cstdlib>
#include <string>

#include "document/page_sequence.h"
#include "export/reading_text.h"
#include "platform/settings_store.h"
#include "platform/speech.h"
#include "shell/messages.h"
#include "shell/qt/main_form.h"
#include "shell/qt/toolbar_icons.h"
#include "shell/settings_keys.h"
#include "text/text_box.h"
#include "view/qt/frame_set.h"
#include "view/qt/text_box_widget.h"

namespace zeb {
namespace {

QAction* addAction(QMenu& menu, QObject* owner, const char* name, const char* text) {
  auto* action = new QAction(QString::fromUtf8(text), owner);
  action->setObjectName(name);
  menu.addAction(action);
  return action;
}

TextBoxWidget* windowOf(TZEBbox* box) {
  return box != nullptr ? dynamic_cast<TextBoxWidget*>(box->surface()) : nullptr;
}

}  // namespace

ReadAloudCommands::ReadAloudCommands(TMainForm& window, QMenu& viewMenu, SettingsStore& settings)
    : QObject(&window), window_(window), settings_(settings) {
  viewMenu.addSeparator()->setObjectName("ReadAloudSeparator");
  read_ = addAction(viewMenu, &window, "ReadAloud1", "&Leggi ad alta voce");
  read_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  pause_ = addAction(viewMenu, &window, "PauseReading1", "&Pausa della lettura");
  pause_->setCheckable(true);
  stop_ = addAction(viewMenu, &window, "StopReading1", "&Ferma la lettura");
  voices_ = viewMenu.addMenu(QStringLiteral("V&oce"));
  voices_->setObjectName("ReadingVoiceMenu");
  speeds_ = viewMenu.addMenu(QString::fromUtf8("&Velocità di lettura"));
  speeds_->setObjectName("ReadingSpeedMenu");
  voiceGroup_ = new QActionGroup(this);
  speedGroup_ = new QActionGroup(this);
  const char* speedTexts[] = {"Molto lenta", "Lenta", "Normale", "Veloce", "Molto veloce"};
  const std::optional<std::string> storedRate =
      settings_.readString(shell::settings::optionsKey, shell::settings::readingRate);
  const double rate = storedRate ? std::atof(storedRate->c_str()) : 0.0;
  for (std::size_t i = 0; i < std::size(rates); ++i) {
    const std::string name = "ReadingSpeed" + std::to_string(i);
    QAction* speed = addAction(*speeds_, &window, name.c_str(), speedTexts[i]);
    speed->setCheckable(true);
    speed->setChecked(std::abs(rates[i] - rate) < 0.01);
    speedGroup_->addAction(speed);
    const double chosen = rates[i];
    connect(speed, &QAction::triggered, this, [this, chosen] {
      if (speech_) speech_->setRate(chosen);
      settings_.writeString(shell::settings::optionsKey, shell::settings::readingRate, std::to_string(chosen));
    });
  }

  connect(read_, &QAction::triggered, this, [this] {
    if (reader_) reader_->start();
    pause_->setChecked(false);
  });
  connect(pause_, &QAction::triggered, this, [this](bool checked) {
    if (!reader_) return;
    if (checked)
      reader_->pause();
    else
      reader_->resume();
    pause_->setChecked(reader_->state() == ReadAloud::State::paused);
  });
  connect(stop_, &QAction::triggered, this, [this] {
    if (reader_) reader_->stop();
    pause_->setChecked(false);
  });
  // A page the user goes to ends the reading; the pages reading turns to do not.
  connect(window_.Editor(), &TZEBCustomFrameSet::OnPageChanged, this, [this] {
    if (reader_ && !turning_) reader_->stop();
  });
  refresh();
}

ReadAloudCommands::~ReadAloudCommands() { reader_.reset(); }

void ReadAloudCommands::addButton(QToolBar& toolbar) {
  QToolButton* button =
      addToolbarButton(toolbar, {"ReadAloudButton", "Leggi", "Leggi ad alta voce", ToolbarGlyph::speak});
  connect(button, &QToolButton::clicked, read_, &QAction::trigger);
  button_ = button;
  refresh();
}

void ReadAloudCommands::setSpeech(std::unique_ptr<Speech> speech) {
  reader_.reset();
  speech_ = std::move(speech);
  if (speech_) {
    if (const auto rate = settings_.readString(shell::settings::optionsKey, shell::settings::readingRate))
      speech_->setRate(std::atof(rate->c_str()));
    if (const auto voice = settings_.readString(shell::settings::optionsKey, shell::settings::readingVoice))
      speech_->setVoice(*voice);
    reader_ = std::make_unique<ReadAloud>(*speech_, *this);
  }
  fillVoices();
  refresh();
}

void ReadAloudCommands::fillVoices() {
  for (QAction* action : voiceGroup_->actions()) delete action;
  if (!speech_) return;
  const std::string current = speech_->voice();
  int number = 0;
  for (const std::string& name : speech_->voices()) {
    const std::string objectName = "ReadingVoice" + std::to_string(number++);
    auto* action = new QAction(QString::fromStdString(name), &window_);
    action->setObjectName(QString::fromStdString(objectName));
    action->setCheckable(true);
    action->setChecked(name == current);
    voiceGroup_->addAction(action);
    voices_->addAction(action);
    connect(action, &QAction::triggered, this, [this, name] {
      if (speech_) speech_->setVoice(name);
      settings_.writeString(shell::settings::optionsKey, shell::settings::readingVoice, name);
    });
  }
}

void ReadAloudCommands::refresh() {
  const bool available = speech_ && speech_->available();
  for (QAction* action : {read_, pause_, stop_}) action->setEnabled(available);
  voices_->setEnabled(available && !voiceGroup_->actions().isEmpty());
  speeds_->setEnabled(available);
  if (button_ != nullptr) button_->setEnabled(available);
  if (available) return;
  // Says what to install, in the status bar.
  const QString hint =
      QString::fromUtf8(messages::noSpeechEngine.data(), static_cast<qsizetype>(messages::noSpeechEngine.size()));
  const QString what = hint.section(QLatin1Char('|'), 1);
  read_->setToolTip(what);
  read_->setStatusTip(what);
  if (button_ != nullptr) button_->setStatusTip(what);
}

const ReadingText* ReadAloudCommands::pageText() {
  TextBoxWidget* window = windowOf(window_.Editor()->MainBox());
  return window != nullptr ? &window->readingText() : nullptr;
}

int ReadAloudCommands::startOffset() {
  TextBoxWidget* window = windowOf(window_.Editor()->MainBox());
  if (window == nullptr) return 0;
  const TZEBbox& box = window->caretBox();
  if (box.paragraphCount() == 0) return 0;
  return window->readingText().offsetOf(box, box.Caret().paragraphIndex, box.Caret().charIndex).value_or(0);
}

void ReadAloudCommands::showSpoken(int start, int end) {
  TextBoxWidget* window = windowOf(window_.Editor()->MainBox());
  if (window == nullptr) return;
  const ReadingText& text = window->readingText();
  const ReadingPlace first = text.placeOf(start);
  ReadingPlace last = text.placeOf(end);
  if (first.box == nullptr) return;
  auto* box = const_cast<TZEBbox*>(first.box);
  // A sentence that runs on into another box (out of a table cell) is shown to its box's end.
  if (last.box != first.box) {
    last.paragraph = box->paragraphCount() - 1;
    last.character = box->paragraph(last.paragraph).length();
  }
  box->SelectRange(first.paragraph, first.character, last.paragraph, last.character);
  box->scrollToCaretWithContext();
}

bool ReadAloudCommands::nextPage() {
  TInsiemeCornici& editor = *window_.Editor();
  const std::int32_t shown = editor.MainPageNumber();
  if (shown < 0 || editor.LinkedZEBset() == nullptr) return false;
  const std::int32_t next = zeb::nextPage(*editor.LinkedZEBset(), shown);
  if (next == shown || next < 0) return false;
  turning_ = true;
  window_.setMainPageNumber(next);
  turning_ = false;
  return editor.MainPageNumber() == next;
}

}  // namespace zeb
