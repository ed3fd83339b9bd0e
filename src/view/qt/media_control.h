// TMyyMultimedia with its TMyMediaPlayer (a bar of play, pause, stop, step and back over Qt
// Multimedia, the video shown in the control), custom objects drawn by the program, and
// TMyyFloating: an independent frame, a frame set of its own showing another page.
#pragma once

#include <QPointer>
#include <functional>
#include <string>
#include <string_view>

#include "view/media_playback.h"
#include "view/qt/visual_control.h"
#include "view/visual_size.h"

class QAudioOutput;
class QMediaPlayer;
class QToolButton;
class QVideoWidget;

namespace zeb {

class MessageBoxes;

// The two device errors a player can report are each shown once in a run of the program;
// any other error shows the player's own text every time.
enum class MediaError { none, deviceNotWorking, fileInUse, other };
// Shows the message of an error through the message boxes, keeping the once-per-run rule.
void reportMediaError(MessageBoxes& messages, MediaError error, std::string_view playerText);
// Forgets which messages were shown (a new run, for tests).
void resetMediaErrorLatch();

// The player: a 141 × 30 bar of buttons over a QMediaPlayer; a left-button release on it is
// reported to its owner.
class TMyMediaPlayer final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int barWidth = controlSize::playerWidth;
  static constexpr int barHeight = controlSize::playerHeight;

  explicit TMyMediaPlayer(QWidget* parent);
  ~TMyMediaPlayer() override;

  // The Qt player, made when first needed: a page with media that has no file makes none.
  QMediaPlayer& player();
  bool hasPlayer() const { return player_ != nullptr; }
  // Opens the file; false (the media closed) when it cannot be opened.
  bool open(const std::string& path);
  void close();
  void play();
  void pause();
  void stop();
  // Steps a second forward or back.
  void step();
  void back();
  bool opened() const { return opened_; }
  // Asked to play and neither paused, stopped nor at its end since.
  bool playing() const { return playing_; }
  // Plays again after it ends while this is -1 (for ever) or above 0 (then decreased).
  int remainingRepeats = 0;
  // Asked before playing again after the end: the frame set is read-only and follows no link.
  std::function<bool()> mayRepeat;
  // Reports an error of opening or playing.
  std::function<void(MediaError, const std::string&)> onError;
  void setVideoOutput(QVideoWidget* video);

 signals:
  void leftButtonReleased();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ended();

  QMediaPlayer* player_ = nullptr;
  QAudioOutput* audio_ = nullptr;
  QVideoWidget* video_ = nullptr;
  bool opened_ = false;
  bool playing_ = false;
};

class TMyyMultimedia final : public TMyyVisual {
  Q_OBJECT

 public:
  TMyyMultimedia(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent);
  ~TMyyMultimedia() override;

  void Rebuild() override;
  void Refresh() override;
  void setReadOnly(bool readOnly) override;
  TMyMediaPlayer* mediaPlayer() const { return player_; }
  // The standard control of a custom object of types 3 to 8 (an edit, memo, radio button,
  // check box, list box or drop-down list) filling the control; none for other objects.
  QWidget* innerControl() const { return inner_; }
  // The media file's path on disk, empty when the object names none or it cannot be written.
  std::string mediaPath() const;

 protected:
  FramePopup popupKind() const override { return FramePopup::PopupMultimedia; }
  bool propertiesOnDoubleClick() const override { return true; }
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void openMedia();
  void request(PlayerRequest request);
  void arrange();
  // Makes the inner control of the custom type, keeping the one made for the same type.
  void makeInnerControl(int customType);

  TMyMediaPlayer* player_ = nullptr;
  QVideoWidget* video_ = nullptr;
  QWidget* inner_ = nullptr;
  int innerType_ = 0;
};

class TMyyFloating final : public TMyyVisual {
  Q_OBJECT

 public:
  // Independent frames show inside one another at most this deep.
  static constexpr int maxNesting = 8;
  // And at most this many show a page at once in the whole reader: a book whose pages each
  // hold several independent frames of further pages would otherwise multiply them with
  // every level.
  static constexpr int maxShowing = 64;

  TMyyFloating(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent);
  ~TMyyFloating() override;

  TZEBCustomFrameSet& frames() const { return *frames_; }
  void Rebuild() override;
  void Refresh() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Whether the page would show inside itself: it is already one of the pages in the chain
  // of frames that hold this control (the page holding it, the page its frame set shows,
  // and so on outwards through the independent frames around it), or that chain is
  // maxNesting frames deep.
  bool showsInsideItself(std::int32_t shown) const;

  TZEBCustomFrameSet* frames_;
  bool registered_ = false;
  bool counted_ = false;  // among the frames that show a page
  static int showing_;
};

}  // namespace zeb
