// QtSpeech: Speech through Qt Text to Speech (speech-dispatcher on Linux desktops).
#pragma once

#include <QObject>
#include <memory>

#include "platform/speech.h"

class QTextToSpeech;

namespace zeb {

class QtSpeech final : public QObject, public Speech {
  Q_OBJECT

 public:
  explicit QtSpeech(QObject* parent = nullptr);
  ~QtSpeech() override;

  bool available() const override;
  void say(const std::string& text) override;
  void stop() override;
  void pause() override;
  void resume() override;
  std::vector<std::string> voices() const override;
  std::string voice() const override;
  void setVoice(const std::string& name) override;
  double rate() const override;
  void setRate(double rate) override;

 private:
  QTextToSpeech* engine_ = nullptr;  // a child; none without an engine
  // Set while a text is being said: its end (the engine back to Ready) calls OnFinished.
  bool saying_ = false;
  bool begun_ = false;
};

}  // namespace zeb
