// RecordingSpeech: a voice for tests that keeps what it was asked to say and finishes a
// text only when the test says so.
#pragma once

#include <string>
#include <vector>

#include "platform/speech.h"

namespace zeb {

class RecordingSpeech final : public Speech {
 public:
  bool available() const override { return present; }
  void say(const std::string& text) override {
    said.push_back(text);
    speaking = true;
    paused = false;
  }
  void stop() override {
    speaking = false;
    paused = false;
    ++stops;
  }
  void pause() override { paused = true; }
  void resume() override { paused = false; }
  std::vector<std::string> voices() const override { return voiceNames; }
  std::string voice() const override { return voiceName; }
  void setVoice(const std::string& name) override { voiceName = name; }
  double rate() const override { return speed; }
  void setRate(double rate) override { speed = rate; }

  // The text being said was spoken to its end.
  void finish() {
    speaking = false;
    if (OnFinished) OnFinished();
  }

  bool present = true;
  std::vector<std::string> said;
  bool speaking = false;
  bool paused = false;
  int stops = 0;
  std::vector<std::string> voiceNames{"first", "second"};
  std::string voiceName;
  double speed = 0;
};

}  // namespace zeb
