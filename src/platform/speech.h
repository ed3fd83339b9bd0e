// Speech: the desktop's text-to-speech voice, which speaks one text at a time and says when
// it has finished it.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zeb {

class Speech {
 public:
  virtual ~Speech() = default;

  // Whether an engine with a voice is there to speak.
  virtual bool available() const = 0;
  // Speaks the text (UTF-8) in place of anything being spoken; OnFinished follows once it
  // was spoken to its end (not after stop).
  virtual void say(const std::string& text) = 0;
  virtual void stop() = 0;
  virtual void pause() = 0;
  virtual void resume() = 0;

  // The engine's voices by name, and the one speaking (empty: the engine's default).
  virtual std::vector<std::string> voices() const = 0;
  virtual std::string voice() const = 0;
  virtual void setVoice(const std::string& name) = 0;
  // From -1 (slowest) through 0 (the engine's normal speed) to 1 (fastest).
  virtual double rate() const = 0;
  virtual void setRate(double rate) = 0;

  std::function<void()> OnFinished;
};

}  // namespace zeb
