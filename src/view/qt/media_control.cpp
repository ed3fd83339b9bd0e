// Media, custom objects and independent frames on a page.
#include "view/qt/media_control.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QUrl>
#include <QVideoWidget>
#include <filesystem>

#include "document/book_object.h"
#include "document/container.h"
#include "document/object_kinds.h"
#include "platform/message_boxes.h"
#include "platform/qt/qt_canvas.h"
#include "platform/windows1252.h"
#include "text/measurement_cache.h"
#include "text/text_box.h"
#include "view/media_playback.h"
#include "view/messages.h"
#include "view/page_view.h"
#include "view/qt/night_painting.h"
#include "view/qt/zoom_painting.h"
#include "view/visual_kinds.h"
#include "view/visual_object.h"
#include "view/visual_painting.h"
#include "view/visual_size.h"

namespace zeb {
namespace {

constexpr int stepMilliseconds = 1000;
// Repeat counts above this play this many times.
constexpr int maxRepeats = 1 << 20;

bool deviceErrorShown = false;
bool fileInUseShown = false;

MediaError mediaErrorOf(QMediaPlayer::Error error) {
  switch (error) {
    case QMediaPlayer::NoError: return MediaError::none;
    case QMediaPlayer::ResourceError: return MediaError::deviceNotWorking;
    case QMediaPlayer::AccessDeniedError: return MediaError::fileInUse;
    default: return MediaError::other;
  }
}

}  // namespace

void reportMediaError(MessageBoxes& messages, MediaError error, std::string_view playerText) {
  switch (error) {
    case MediaError::none: return;
    case MediaError::deviceNotWorking:
      if (!deviceErrorShown) messages.error(messages::mediaDeviceNotWorking);
      deviceErrorShown = true;
      return;
    case MediaError::fileInUse:
      if (!fileInUseShown) messages.error(messages::mediaFileInUse);
      fileInUseShown = true;
      return;
    case MediaError::other: messages.error(playerText); return;
  }
}

void resetMediaErrorLatch() {
  deviceErrorShown = false;
  fileInUseShown = false;
}

TMyMediaPlayer::TMyMediaPlayer(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  const auto addButton = [&](const QString& text, void (TMyMediaPlayer::*action)()) {
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(button);
    connect(button, &QToolButton::clicked, this, action);
  };
  addButton(QStringLiteral("\u25B6"), &TMyMediaPlayer::play);
  addButton(QStringLiteral("\u2016"), &TMyMediaPlayer::pause);
  addButton(QStringLiteral("\u25A0"), &TMyMediaPlayer::stop);
  addButton(QStringLiteral("\u25B8|"), &TMyMediaPlayer::step);
  addButton(QStringLiteral("|\u25C2"), &TMyMediaPlayer::back);
  resize(barWidth, barHeight);
  setFocusPolicy(Qt::TabFocus);
  hide();
}

QMediaPlayer& TMyMediaPlayer::player() {
  if (player_ != nullptr) return *player_;
  // The GStreamer backend of this Qt crashes while making a player when its plugins are
  // missing; the FFmpeg backend plays the same files. A backend the user chose is kept.
  if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
  player_ = new QMediaPlayer(this);
  // Without an audio device this Qt's player crashes in its audio thread when it plays: the
  // media then play without sound.
  if (!QMediaDevices::audioOutputs().isEmpty()) {
    audio_ = new QAudioOutput(this);
    player_->setAudioOutput(audio_);
  }
  if (video_ != nullptr) player_->setVideoOutput(video_);
  connect(player_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error, const QString& text) {
    opened_ = false;
    playing_ = false;
    remainingRepeats = 0;
    if (onError) onError(mediaErrorOf(error), utf8ToWindows1252(text.toStdString()));
  });
  connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
    if (status == QMediaPlayer::EndOfMedia) ended();
  });
  return *player_;
}

TMyMediaPlayer::~TMyMediaPlayer() {
  if (player_ != nullptr) player_->stop();
}

bool TMyMediaPlayer::open(const std::string& path) {
  close();
  std::error_code failure;
  if (path.empty() || !std::filesystem::is_regular_file(path, failure)) return false;
  opened_ = true;
  player().setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
  // An error while opening has closed it again.
  return opened_;
}

void TMyMediaPlayer::close() {
  opened_ = false;
  playing_ = false;
  if (player_ == nullptr) return;
  player_->stop();
  player_->setSource(QUrl());
}

void TMyMediaPlayer::play() {
  if (!opened_) return;
  playing_ = true;
  player().play();
}

void TMyMediaPlayer::pause() {
  playing_ = false;
  if (opened_) player().pause();
}

void TMyMediaPlayer::stop() {
  playing_ = false;
  if (player_ != nullptr) player_->stop();
}

void TMyMediaPlayer::step() {
  if (opened_) player().setPosition(player().position() + stepMilliseconds);
}

void TMyMediaPlayer::back() {
  if (opened_) player().setPosition(std::max<qint64>(0, player().position() - stepMilliseconds));
}

void TMyMediaPlayer::setVideoOutput(QVideoWidget* video) {
  video_ = video;
  if (player_ != nullptr) player_->setVideoOutput(video);
}

void TMyMediaPlayer::ended() {
  player().setPosition(0);
  playing_ = false;
  if (remainingRepeats == 0) return;
  if (remainingRepeats > 0) --remainingRepeats;
  if (!mayRepeat || mayRepeat()) play();
}

void TMyMediaPlayer::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit leftButtonReleased();
}

// --- Multimedia.

TMyyMultimedia::TMyyMultimedia(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent)
    : TMyyVisual(sizing, box, page, parent) {
  setFocusPolicy(Qt::TabFocus);
}

TMyyMultimedia::~TMyyMultimedia() = default;

void TMyyMultimedia::Rebuild() {
  const std::uint8_t subtype = Object() != nullptr ? Object()->state() : 0;
  if (subtype >= 1 && subtype <= mediaSubtype::videoLast) {
    if (player_ == nullptr) {
      player_ = new TMyMediaPlayer(this);
      connect(player_, &TMyMediaPlayer::leftButtonReleased, this, [this] {
        if (!ReadOnly() && !Locked()) setFocus(Qt::MouseFocusReason);
      });
      player_->onError = [this](MediaError error, const std::string& text) {
        reportMediaError(box().set().messages(), error, text);
      };
      player_->mayRepeat = [this] {
        return frameSet() == nullptr || (frameSet()->ReadOnly() && !frameSet()->AutoJump());
      };
    }
    if (subtype > mediaSubtype::audioLast && video_ == nullptr) {
      video_ = new QVideoWidget(this);
      player_->setVideoOutput(video_);
    }
  } else {
    delete player_;
    player_ = nullptr;
    delete video_;
    video_ = nullptr;
  }
  const bool custom = subtype == mediaSubtype::customFirst || subtype == mediaSubtype::customLast;
  makeInnerControl(custom ? numberAttribute(*Object(), controlAttribute::customType, 0, 0, 255) : 0);
  Refresh();
}

void TMyyMultimedia::makeInnerControl(int customType) {
  if (customType == innerType_ && inner_ != nullptr) return;
  delete inner_;
  inner_ = nullptr;
  innerType_ = customType;
  switch (customType) {
    case 3: inner_ = new QLineEdit(this); break;
    case 4: inner_ = new QPlainTextEdit(this); break;
    case 5: inner_ = new QRadioButton(this); break;
    case 6: inner_ = new QCheckBox(this); break;
    case 7: inner_ = new QListWidget(this); break;
    case 8: inner_ = new QComboBox(this); break;
    default: return;
  }
  // Its double clicks are the control's.
  inner_->installEventFilter(this);
  if (auto* area = qobject_cast<QAbstractScrollArea*>(inner_)) area->viewport()->installEventFilter(this);
  inner_->setGeometry(rect());
  inner_->show();
}

bool TMyyMultimedia::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (frameSet() != nullptr) frameSet()->Properties(this);
    DblClickAction();
    return true;
  }
  return TMyyVisual::eventFilter(watched, event);
}

std::string TMyyMultimedia::mediaPath() const {
  if (Object() == nullptr) return {};
  const std::uint32_t reference = Object()->record().u32(field::multimediaObject);
  TZEBoggetto* file = Object()->resolveReference(reference);
  if (file == nullptr) return {};
  return box().set().extractFileOfObject(*file);
}

void TMyyMultimedia::openMedia() {
  if (player_ == nullptr) return;
  player_->close();
  const bool jumps = frameSet() != nullptr && frameSet()->AutoJump();
  const bool opened = !jumps && player_->open(mediaPath());
  const bool background = flagAttribute(*Object(), controlAttribute::background);
  player_->remainingRepeats =
      opened && background ? numberAttribute(*Object(), controlAttribute::repeat, 0, -1, maxRepeats) : 0;
  request(playbackAfterOpening(background, opened, player_->remainingRepeats, ReadOnly()));
}

void TMyyMultimedia::request(PlayerRequest request) {
  switch (request) {
    case PlayerRequest::none: return;
    case PlayerRequest::play: player_->play(); return;
    case PlayerRequest::stop: player_->stop(); return;
  }
}

void TMyyMultimedia::Refresh() {
  if (Object() == nullptr) return;
  setHint(descriptionOf(*Object()));
  if (player_ != nullptr) player_->setToolTip(toolTip());
  FitWidth(0);
  arrange();
  openMedia();
  update();
}

void TMyyMultimedia::setReadOnly(bool readOnly) {
  // The frame set passes its modes down again after every build: only a real switch
  // starts or stops the media.
  const bool was = ReadOnly();
  TMyyVisual::setReadOnly(readOnly);
  if (player_ == nullptr) return;
  const bool jumps = frameSet() != nullptr && frameSet()->AutoJump();
  request(playbackOnModeChange(was, readOnly, jumps));
}

void TMyyMultimedia::arrange() {
  if (inner_ != nullptr) inner_->setGeometry(rect());
  if (player_ == nullptr) return;
  const bool background = Object() != nullptr && flagAttribute(*Object(), controlAttribute::background);
  player_->setGeometry(0, 0, TMyMediaPlayer::barWidth, TMyMediaPlayer::barHeight);
  player_->setVisible(!background);
  if (video_ != nullptr) {
    const int top = background ? 0 : TMyMediaPlayer::barHeight;
    video_->setGeometry(0, top, width(), std::max(0, height() - top));
    video_->show();
  }
}

void TMyyMultimedia::resizeEvent(QResizeEvent* event) {
  TMyyVisual::resizeEvent(event);
  arrange();
}

void TMyyMultimedia::paintEvent(QPaintEvent*) {
  // In the reader the player, the video or the inner control shows; the rest is drawn as the
  // page draws it.
  if ((player_ != nullptr || inner_ != nullptr) && ReadOnly()) return;
  auto* visual = dynamic_cast<VisualObject*>(&sizing());
  if (visual == nullptr) return;
  QPainter painter(this);
  zoomPainter(painter, Zoom());
  const QRect area = bookRect();
  WindowCanvas canvas(*this, painter, area, box().measures().pixelsPerInch());
  paintVisualObject(*visual, canvas, {0, 0, area.width(), area.height()}, {ReadOnly(), page().AnchorPreview()},
                    page().controlMetrics());
  paintSelectedLook(painter);
}

// --- Independent frames.

TMyyFloating::TMyyFloating(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent)
    : TMyyVisual(sizing, box, page, parent), frames_(new TInsiemeCornici(this)) {
  frames_->setReadOnly(true);
  frames_->setSaveOnExit(false);
  frames_->setFocusPolicy(Qt::TabFocus);
  // The owner follows the links clicked inside, from the control that was clicked there: a
  // link that shows in "this frame" or prints acts on the inner page, not on the host page.
  connect(frames_, &TZEBCustomFrameSet::OnDoLink, this, [this](LinkSource source, TZEBoggetto* link) {
    if (frameSet() != nullptr) frameSet()->PostFollowLink(source, link);
  });
}

int TMyyFloating::showing_ = 0;

TMyyFloating::~TMyyFloating() {
  if (counted_) --showing_;
  if (registered_) page().unregisterFrameSet(*frames_);
}

void TMyyFloating::Rebuild() {
  TZEBCustomFrameSet* owner = frameSet();
  if (owner != nullptr) {
    for (const FramePopup popup : {FramePopup::PopupImage, FramePopup::PopupTable, FramePopup::PopupTableChild,
                                   FramePopup::PopupFrameChild, FramePopup::PopupFrame, FramePopup::PopupFloating})
      frames_->setPopup(popup, owner->Popup(FramePopup::PopupFloating));
    frames_->setFormTransfer(owner->formTransfer());
    frames_->confirmOpenAddress = owner->confirmOpenAddress;
  }
  // Its root frame goes by the object's name, which named-frame lookups find.
  if (Object() != nullptr) frames_->setFloatingName(Object()->Name());
  frames_->setLinkedZEBset(&box().set());
  if (!registered_) {
    page().registerFrameSet(*frames_);
    registered_ = true;
  }
  Refresh();
}

void TMyyFloating::Refresh() {
  if (Object() == nullptr) return;
  frames_->setAutoJump(numberAttribute(*Object(), controlAttribute::jump, 0, 0, 255) == 1);
  frames_->setShowNested(numberAttribute(*Object(), controlAttribute::nested, 1, 0, 255) != 0);
  if (TZEBCustomFrameSet* owner = frameSet()) frames_->setActivePreview(owner->ActivePreview() && owner->ReadOnly());
  FitWidth(0);
  frames_->setGeometry(rect());
  if (parentWidget() == nullptr) return;
  // A page that would show inside itself (a careless or damaged book) leaves the frame empty.
  std::int32_t shown = Object()->record().i32(field::floatingPage);
  if (showsInsideItself(shown) || (!counted_ && showing_ >= maxShowing)) shown = -1;
  if (counted_ != (shown >= 0)) {
    counted_ = shown >= 0;
    showing_ += counted_ ? 1 : -1;
  }
  frames_->setMainPageNumber(shown);
}

bool TMyyFloating::showsInsideItself(std::int32_t shown) const {
  int depth = 0;
  for (const TMyyFloating* floating = this; floating != nullptr;) {
    if (++depth > maxNesting) return true;
    if (floating->page().PageIndex() == shown) return true;
    const TZEBCustomFrameSet* owner = floating->frameSet();
    if (owner == nullptr) break;
    // The page with the frame map whose frame holds the page.
    if (owner->MainPageNumber() == shown) return true;
    floating = qobject_cast<const TMyyFloating*>(owner->parentWidget());
  }
  return false;
}

void TMyyFloating::resizeEvent(QResizeEvent* event) {
  TMyyVisual::resizeEvent(event);
  frames_->setGeometry(rect());
}

}  // namespace zeb
