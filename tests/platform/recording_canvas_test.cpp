// The recording canvas: calls as they reach the device, with origin and clip kept in pairs.
#include "platform/headless/recording_canvas.h"

#include <gtest/gtest.h>

#include "platform/headless/fixed_metrics_measurer.h"
#include "platform/system_colours.h"

namespace zeb {
namespace {

TEST(RecordingCanvas, RecordsDeviceCoordinatesAndRestoresOriginAndClip) {
  FixedMetricsMeasurer measurer;
  RecordingCanvas canvas({0, 0, 100, 50}, &measurer);
  {
    CanvasState state(canvas);
    canvas.translate(10, 20);
    canvas.intersectClip({0, 0, 30, 100});
    EXPECT_EQ(canvas.clipRect(), (CanvasRect{0, 0, 30, 30}));
    canvas.fillRect({1, 2, 3, 4}, 0x0000FF);
    canvas.setFont(TMyFont{"Arial", 0, systemColour::highlightText, 12, 0});
    canvas.textOut(0, 0, "ab");
    EXPECT_EQ(canvas.textWidth("ab"), 24);
  }
  EXPECT_EQ(canvas.clipRect(), (CanvasRect{0, 0, 100, 50}));
  canvas.hatchRect({0, 0, 5, 5}, Hatch::backwardDiagonal, 0x80000063);
  EXPECT_EQ(canvas.dump(),
            "fill 11,22,13,24 #FF0000\n"
            "font \"Arial\" 12 style=0 highlightText\n"
            "text 10,20 \"ab\"\n"
            "hatch backward 0,0,5,5 system99\n");
  EXPECT_FALSE(RecordingCanvas({0, 0, 1, 1}).measuresText());
}

}  // namespace
}  // namespace zeb
