// TZEBFramePanel: what frame sets and frames share: the display settings each passes down
// (a frame set to its root frame, a frame to its child frames or its page), and the
// painting of the area no frame covers.
#pragma once

#include <QWidget>
#include <cstdint>

#include "view/qt/splitters.h"

namespace zeb {

// Which bars may show in authoring mode; none shows in read-only mode.
namespace barMode {
inline constexpr std::uint8_t top = 0;
inline constexpr std::uint8_t left = 1;
inline constexpr std::uint8_t both = 2;
inline constexpr std::uint8_t none = 3;
}  // namespace barMode

class TZEBFramePanel : public QWidget {
  Q_OBJECT

 public:
  explicit TZEBFramePanel(QWidget* parent = nullptr);

  // Shared settings: each setter stores the value and passes it down.
  int BarWidth() const { return barWidth_; }
  virtual void setBarWidth(int width);
  bool ReadOnly() const { return readOnly_; }
  virtual void setReadOnly(bool readOnly);
  bool Animated() const { return animated_; }
  virtual void setAnimated(bool animated);
  bool ShowFramesOnly() const { return showFramesOnly_; }
  virtual void setShowFramesOnly(bool framesOnly);
  // Gives a frame's inner panel a 10-pixel margin; the reader never sets it.
  bool FrameMargin() const { return frameMargin_; }
  virtual void setFrameMargin(bool margin);
  // Values of 0 or less are ignored; a change repaints.
  int LineStep() const { return lineStep_; }
  void setLineStep(int step);
  Bevel TigerBevel() const { return tigerBevel_; }
  void setTigerBevel(Bevel bevel);
  std::uint8_t BarMode() const { return barMode_; }
  void setBarMode(std::uint8_t mode) { barMode_ = mode; }

  // Takes the shared settings of the panel above and passes them down in turn.
  void takeSettingsFrom(const TZEBFramePanel& from) {
    inheritSettings(from);
    passSettingsDown();
  }

 protected:
  // Takes the shared settings of the panel above without passing them on.
  void inheritSettings(const TZEBFramePanel& from);
  // Passes the shared settings down after one of them changed.
  virtual void passSettingsDown() {}
  // The button face with a one-pixel black outline.
  void paintEvent(QPaintEvent* event) override;

 private:
  int barWidth_ = 10;
  int lineStep_ = 10;
  Bevel tigerBevel_ = Bevel::raised;
  std::uint8_t barMode_ = barMode::none;
  bool readOnly_ = false;
  bool animated_ = true;
  bool showFramesOnly_ = false;
  bool frameMargin_ = false;
};

}  // namespace zeb
