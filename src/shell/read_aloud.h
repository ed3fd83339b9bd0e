// ReadAloud: speaks the page shown, sentence by sentence, from the sentence at the caret (or
// from the top), shows each sentence while it is spoken, and goes on to the next page of the
// book's sequence when the page ends.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "text/sentences.h"

namespace zeb {

class ReadingText;
class Speech;

// What reading aloud asks of the window that shows the page.
class ReadAloudView {
 public:
  virtual ~ReadAloudView() = default;
  // The reading text of the page shown (its main box); none without one. Valid until the
  // next call of nextPage.
  virtual const ReadingText* pageText() = 0;
  // Where reading starts on the page shown first: the caret's offset, 0 for the top.
  virtual int startOffset() = 0;
  // The sentence from start to end of the page's text is being spoken: it is shown
  // selected and brought into view.
  virtual void showSpoken(int start, int end) = 0;
  // Shows the next page of the book's sequence; false when there is none.
  virtual bool nextPage() = 0;
};

class ReadAloud {
 public:
  enum class State { idle, speaking, paused };
  // At most this many pages without a sentence are passed over in a row.
  static constexpr int maxSilentPages = 1000;

  ReadAloud(Speech& speech, ReadAloudView& view);
  ~ReadAloud();
  ReadAloud(const ReadAloud&) = delete;
  ReadAloud& operator=(const ReadAloud&) = delete;

  State state() const { return state_; }
  // Starts speaking from the view's start offset (anything being spoken stops first).
  void start();
  void pause();
  void resume();
  void stop();
  // The sentence being spoken, in the page's reading text.
  std::optional<SentenceSpan> spoken() const;

 private:
  // Takes the page's sentences from the offset on; false when it has none.
  bool takePage(int offset);
  void speakCurrent();
  void finished();

  Speech& speech_;
  ReadAloudView& view_;
  State state_ = State::idle;
  std::string text_;  // the page's reading text, in its code page
  std::uint16_t codePage_ = 1252;
  std::vector<SentenceSpan> sentences_;
  std::size_t current_ = 0;
};

}  // namespace zeb
