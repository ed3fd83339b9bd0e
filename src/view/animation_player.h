// The playback of an animated picture: which frame shows, for how long, and when the
// animation ends, driven by one single-shot timer on the user-interface thread that wakes
// only when the next frame is due.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>

#include "document/frame_compositor.h"
#include "platform/canvas.h"

namespace zeb {

class EventQueue;
class Timer;

// How long a frame shows, in milliseconds: its delay; a delay below 2 hundredths of a second
// (which files use to mean "as fast as possible") shows it 100 ms.
int frameDelayMilliseconds(int delayCentiseconds);

// How many times an animation plays: the file's loop count repeats it that many times after
// the first play (0 for ever); a file without one plays once. None means for ever.
std::optional<long long> playCount(const std::optional<int>& loopCount);

class AnimationPlayer {
 public:
  // The picture must outlive the player. The frame-changed handler runs on the timer, after
  // the new frame was composed; it repaints.
  AnimationPlayer(const DecodedPicture& picture, EventQueue& events);
  ~AnimationPlayer();
  AnimationPlayer(const AnimationPlayer&) = delete;
  AnimationPlayer& operator=(const AnimationPlayer&) = delete;

  // Shows the first frame and, for a picture of more than one frame, plays it.
  void start(std::function<void()> frameChanged);
  // Stops on the frame shown.
  void stop();
  bool playing() const;

  std::size_t frame() const { return compositor_ ? compositor_->shownFrame() : 0; }
  // Completed plays so far.
  long long plays() const { return plays_; }
  // The canvas of the frame shown (the picture's logical size); empty before start.
  PixelView pixels() const;

 private:
  void schedule();
  void advance();

  const DecodedPicture& picture_;
  std::optional<FrameCompositor> compositor_;
  std::unique_ptr<Timer> timer_;
  std::function<void()> frameChanged_;
  const std::vector<std::uint8_t>* canvas_ = nullptr;
  std::optional<long long> playsWanted_;
  long long plays_ = 0;
};

}  // namespace zeb
