// The icons of the reader's windows, drawn as simple shapes: nothing is read or decoded when
// the window starts. The reader's style gives them in place of the style's own pictures.
#pragma once

#include <QIcon>
#include <QProxyStyle>

namespace zeb {

enum class ToolbarGlyph {
  back,
  forward,
  open,
  print,
  cover,
  contents,
  search,
  frames,
  more,   // a toolbar's or menu bar's items that do not fit
  close,  // a dock's close button
  file,
  folder,
};

QIcon toolbarIcon(ToolbarGlyph glyph);

// The application's style with the icons above for what the reader's windows show at start
// (the buttons of toolbars, menu bar and docks, file and folder icons); the style's own
// pictures are files that would be read and decoded before the first page shows.
class ReaderStyle final : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace zeb
