// Reading aloud.
#include "shell/read_aloud.h"

#include "export/reading_text.h"
#include "platform/code_pages.h"
#include "platform/speech.h"
#include "text/text_box.h"

namespace zeb {

ReadAloud::ReadAloud(Speech& speech, ReadAloudView& view) : speech_(speech), view_(view) {
  speech_.OnFinished = [this] { finished(); };
}

ReadAloud::~ReadAloud() {
  speech_.OnFinished = nullptr;
  if (state_ != State::idle) speech_.stop();
}

void ReadAloud::start() {
  stop();
  if (!speech_.available()) return;
  bool found = takePage(view_.startOffset());
  for (int passed = 0; !found && passed < maxSilentPages && view_.nextPage(); ++passed) found = takePage(0);
  if (!found) return;
  state_ = State::speaking;
  speakCurrent();
}

void ReadAloud::pause() {
  if (state_ != State::speaking) return;
  speech_.pause();
  state_ = State::paused;
}

void ReadAloud::resume() {
  if (state_ != State::paused) return;
  speech_.resume();
  state_ = State::speaking;
}

void ReadAloud::stop() {
  if (state_ == State::idle) return;
  state_ = State::idle;
  speech_.stop();
}

std::optional<SentenceSpan> ReadAloud::spoken() const {
  if (state_ == State::idle || current_ >= sentences_.size()) return std::nullopt;
  return sentences_[current_];
}

bool ReadAloud::takePage(int offset) {
  sentences_.clear();
  current_ = 0;
  const ReadingText* text = view_.pageText();
  if (text == nullptr) return false;
  text_ = text->text();
  codePage_ = text->box().codePage();
  // The sentence at the offset and those after it, each with words to say.
  for (const SentenceSpan& span : sentencesOf(text_))
    if (span.end > offset && !trimmedSentence(text_, span).empty()) sentences_.push_back(span);
  return !sentences_.empty();
}

void ReadAloud::speakCurrent() {
  const SentenceSpan span = sentences_[current_];
  const std::string_view words = trimmedSentence(text_, span);
  const auto first = static_cast<int>(words.data() - text_.data());
  view_.showSpoken(first, first + static_cast<int>(words.size()));
  speech_.say(bookTextToUtf8(words, codePage_));
}

void ReadAloud::finished() {
  if (state_ != State::speaking) return;
  ++current_;
  bool found = current_ < sentences_.size();
  for (int passed = 0; !found && passed < maxSilentPages && view_.nextPage(); ++passed) found = takePage(0);
  if (!found) {
    state_ = State::idle;
    return;
  }
  speakCurrent();
}

}  // namespace zeb
