// Speech through Qt Text to Speech.
#include "platform/qt/qt_speech.h"

#include <QTextToSpeech>
#include <QVoice>

namespace zeb {

QtSpeech::QtSpeech(QObject* parent) : QObject(parent) {
  const QStringList engines = QTextToSpeech::availableEngines();
  if (engines.isEmpty()) return;
  engine_ = new QTextToSpeech(engines.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd") : engines.front(),
                              this);
  // The end of a text is the engine's return to Ready after it began speaking it; a Ready
  // left over from a stop comes before that beginning.
  connect(engine_, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
    if (state == QTextToSpeech::Speaking && saying_) begun_ = true;
    if (state != QTextToSpeech::Ready || !saying_ || !begun_) return;
    saying_ = false;
    begun_ = false;
    if (OnFinished) OnFinished();
  });
}

QtSpeech::~QtSpeech() = default;

bool QtSpeech::available() const {
  return engine_ != nullptr && engine_->state() != QTextToSpeech::Error && !engine_->availableVoices().isEmpty();
}

void QtSpeech::say(const std::string& text) {
  if (engine_ == nullptr) return;
  saying_ = true;
  begun_ = false;
  engine_->say(QString::fromStdString(text));
}

void QtSpeech::stop() {
  saying_ = false;
  begun_ = false;
  if (engine_ != nullptr) engine_->stop();
}

void QtSpeech::pause() {
  if (engine_ != nullptr) engine_->pause();
}

void QtSpeech::resume() {
  if (engine_ != nullptr) engine_->resume();
}

std::vector<std::string> QtSpeech::voices() const {
  std::vector<std::string> names;
  if (engine_ == nullptr) return names;
  for (const QVoice& voice : engine_->availableVoices()) names.push_back(voice.name().toStdString());
  return names;
}

std::string QtSpeech::voice() const {
  return engine_ != nullptr ? engine_->voice().name().toStdString() : std::string();
}

void QtSpeech::setVoice(const std::string& name) {
  if (engine_ == nullptr) return;
  for (const QVoice& voice : engine_->availableVoices())
    if (voice.name().toStdString() == name) engine_->setVoice(voice);
}

double QtSpeech::rate() const { return engine_ != nullptr ? engine_->rate() : 0; }

void QtSpeech::setRate(double rate) {
  if (engine_ != nullptr) engine_->setRate(rate);
}

}  // namespace zeb
