// Animation playback.
#include "view/animation_player.h"

#include <algorithm>
#include <limits>

#include "platform/event_queue.h"

namespace zeb {
namespace {

constexpr int fastestDelayCentiseconds = 2;
constexpr int delayForFastest = 100;

}  // namespace

int frameDelayMilliseconds(int delayCentiseconds) {
  if (delayCentiseconds < fastestDelayCentiseconds) return delayForFastest;
  return std::min(delayCentiseconds, std::numeric_limits<int>::max() / 10) * 10;
}

std::optional<long long> playCount(const std::optional<int>& loopCount) {
  if (!loopCount) return 1;
  if (*loopCount <= 0) return std::nullopt;
  return static_cast<long long>(*loopCount) + 1;
}

AnimationPlayer::AnimationPlayer(const DecodedPicture& picture, EventQueue& events)
    : picture_(picture), timer_(events.createTimer()), playsWanted_(playCount(picture.loopCount)) {}

AnimationPlayer::~AnimationPlayer() = default;

void AnimationPlayer::start(std::function<void()> frameChanged) {
  frameChanged_ = std::move(frameChanged);
  plays_ = 0;
  compositor_.emplace(picture_);
  canvas_ = &compositor_->advance();
  schedule();
}

void AnimationPlayer::stop() { timer_->stop(); }

bool AnimationPlayer::playing() const { return timer_->active(); }

PixelView AnimationPlayer::pixels() const {
  if (canvas_ == nullptr || canvas_->empty()) return {};
  return {picture_.width, picture_.height, canvas_->data()};
}

void AnimationPlayer::schedule() {
  if (picture_.frames.size() < 2) return;
  const std::size_t shown = compositor_->shownFrame();
  if (shown + 1 == picture_.frames.size() && playsWanted_ && plays_ + 1 >= *playsWanted_) {
    ++plays_;  // the last play ends on its last frame
    return;
  }
  timer_->start(frameDelayMilliseconds(picture_.frames[shown].delayCentiseconds), TimerMode::singleShot,
                [this] { advance(); });
}

void AnimationPlayer::advance() {
  if (compositor_->shownFrame() + 1 == picture_.frames.size()) ++plays_;
  canvas_ = &compositor_->advance();
  if (frameChanged_) frameChanged_();
  schedule();
}

}  // namespace zeb
