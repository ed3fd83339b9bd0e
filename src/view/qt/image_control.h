// TMyyImage and TMyyZona: a picture on a page, stretched over its control, with its hover
// picture, its link (cursor, hint, click) and its hot zones; an animated GIF plays on a timer
// of the user-interface thread while the control is Animated and read-only.
#pragma once

#include <memory>
#include <vector>

#include "document/decoded_picture.h"
#include "view/image_zones.h"
#include "view/qt/visual_control.h"

namespace zeb {

class AnimationPlayer;
class TMyyImage;

// One hot zone: a see-through rectangle over the image that follows its link on a click.
class TMyyZona final : public QWidget {
  Q_OBJECT

 public:
  // A zone is this large until it takes its slot's rectangle.
  static constexpr int defaultSide = 30;

  TMyyZona(TMyyImage& image, const HotZone& zone, TZEBoggetto* link);

  const HotZone& zone() const { return zone_; }
  TZEBoggetto* link() const { return link_; }
  // The link's description ("short|long"); the tooltip shows the short part.
  const std::string& hint() const { return hint_; }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void takeHint();
  void follow();

  TMyyImage& image_;
  HotZone zone_;
  TZEBoggetto* link_;
  std::string hint_;
  bool hintTaken_ = false;
  bool doubleClickGuard_ = false;
};

class TMyyImage final : public TMyyVisual {
  Q_OBJECT

 public:
  TMyyImage(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent);
  ~TMyyImage() override;

  // Frees the zones, reads the object again and makes the zones from slot 29 down.
  void Rebuild() override;
  // The link, cursor and hint, then the size.
  void Refresh() override;
  void ClickAction() override;
  void DblClickAction() override;
  void CopyObject() override;
  void setAnimated(bool animated) override;
  void setSelected(bool selected) override;

  // The link the box's text attaches to the image; none without one.
  TZEBoggetto* link() const { return link_; }
  const std::vector<TMyyZona*>& zones() const { return zones_; }
  // Whether the mouse is over the image and it shows its hover picture.
  bool hovering() const { return hovering_; }
  // The animation running, when the picture has frames to play.
  const AnimationPlayer* animation() const { return player_.get(); }

  // Follows a zone's link through the image's frame set.
  void followZone(TZEBoggetto* link);

 protected:
  FramePopup popupKind() const override { return FramePopup::PopupImage; }
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Puts the zones over their parts of the picture at the page's zoom.
  void placeZones();
  void updateLink();
  // Starts or stops the animation by the modes and the picture shown.
  void arrangeAnimation();
  void stopAnimation();
  void freeZones();

  TZEBoggetto* link_ = nullptr;
  std::vector<TMyyZona*> zones_;
  bool hovering_ = false;
  // A copy of the animated picture: the container's image cache may drop its own.
  std::unique_ptr<DecodedPicture> frames_;
  std::unique_ptr<AnimationPlayer> player_;
};

}  // namespace zeb
