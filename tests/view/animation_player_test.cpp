// Playing an animation on a manual clock: the frames shown, the wake-ups, the loop count.
#include "view/animation_player.h"

#include <gtest/gtest.h>

#include "platform/headless/manual_event_queue.h"

namespace zeb {
namespace {

// An animation of one-pixel frames, each of its own colour, with the delays given.
DecodedPicture animation(std::vector<int> delays, std::optional<int> loopCount) {
  DecodedPicture picture;
  picture.width = picture.height = 1;
  picture.loopCount = loopCount;
  for (std::size_t i = 0; i < delays.size(); ++i) {
    PictureFrame frame;
    frame.width = frame.height = 1;
    frame.rgba = {static_cast<std::uint8_t>(i), 0, 0, 0xFF};
    frame.delayCentiseconds = delays[i];
    picture.frames.push_back(frame);
  }
  return picture;
}

TEST(AnimationPlayer, WakesOnlyWhenAFrameIsDueAndShowsItsPixels) {
  const DecodedPicture picture = animation(std::vector<int>(20, 5), 0);
  ManualEventQueue events;
  AnimationPlayer player(picture, events);
  int repaints = 0;
  player.start([&] { ++repaints; });
  EXPECT_EQ(player.frame(), 0u);
  EXPECT_EQ(player.pixels().rgba[0], 0);
  EXPECT_EQ(events.activeTimerCount(), 1);
  events.advance(49);
  EXPECT_EQ(repaints, 0);
  events.advance(1);
  EXPECT_EQ(player.frame(), 1u);
  EXPECT_EQ(player.pixels().rgba[0], 1);
  // Ten seconds of 50-millisecond frames: 200 wake-ups, one per frame, and it loops.
  events.advance(10000);
  EXPECT_EQ(repaints, 201);
  EXPECT_EQ(player.frame(), 201u % 20);
  EXPECT_EQ(player.plays(), 10);
  EXPECT_TRUE(player.playing());
  player.stop();
  events.advance(1000);
  EXPECT_EQ(repaints, 201);
}

TEST(AnimationPlayer, PlaysAsOftenAsTheLoopCountSaysAndStopsOnTheLastFrame) {
  ManualEventQueue events;
  // No loop count: once. A loop count of 2: three times.
  const DecodedPicture once = animation({10, 10, 10}, std::nullopt);
  AnimationPlayer single(once, events);
  single.start({});
  events.advance(10000);
  EXPECT_EQ(single.frame(), 2u);
  EXPECT_EQ(single.plays(), 1);
  EXPECT_FALSE(single.playing());

  const DecodedPicture thrice = animation({10, 10, 10}, 2);
  AnimationPlayer repeated(thrice, events);
  int repaints = 0;
  repeated.start([&] { ++repaints; });
  events.advance(10000);
  EXPECT_EQ(repaints, 8);  // frames 1 and 2, then 0 to 2 twice
  EXPECT_EQ(repeated.plays(), 3);
  EXPECT_FALSE(repeated.playing());
}

TEST(AnimationPlayer, AOneFramePictureIsNotPlayedAndFastDelaysSlowDown) {
  ManualEventQueue events;
  const DecodedPicture still = animation({10}, 0);
  AnimationPlayer player(still, events);
  player.start({});
  EXPECT_FALSE(player.playing());
  EXPECT_EQ(frameDelayMilliseconds(0), 100);
  EXPECT_EQ(frameDelayMilliseconds(1), 100);
  EXPECT_EQ(frameDelayMilliseconds(2), 20);
  EXPECT_EQ(frameDelayMilliseconds(65535), 655350);
  EXPECT_EQ(playCount(std::nullopt), 1);
  EXPECT_EQ(playCount(0), std::nullopt);
  EXPECT_EQ(playCount(3), 4);
}

}  // namespace
}  // namespace zeb
