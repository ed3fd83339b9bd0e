// The icons of the reader's windows, drawn as simple shapes: nothing is read or decoded when
// the window starts. The reader's style gives them in place of the style's own pictures.
// Also the toolbar buttons that carry them.
#pragma once

#include <QIcon>
#include <QProxyStyle>

class QPainter;
class QRectF;
class QToolBar;
class QToolButton;

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
  speak,  // reading aloud: a loudspeaker
  more,   // a toolbar's or menu bar's items that do not fit
  close,  // a dock's close button
  file,
  folder,
};

QIcon toolbarIcon(ToolbarGlyph glyph);

// The reader's own icon, its windows' icon: a page of text with its top right corner folded
// over in gold. The packaged icons (packaging/icons/brightfold.svg, and the pictures made of
// it) show the same shapes; change both together.
QIcon readerIcon();
// Draws that icon into the square.
void paintReaderIcon(QPainter& painter, const QRectF& square);

// A toolbar button as a window designs it: component name, text, hint and icon.
struct ToolbarButtonDesign {
  const char* name;
  const char* text;
  const char* hint;
  ToolbarGlyph icon;
};
// Adds the button (text under the icon, reachable with the Tab key) to the toolbar. The action
// that places it is named after it with "Place": a hidden button leaves the toolbar through it.
QToolButton* addToolbarButton(QToolBar& toolbar, const ToolbarButtonDesign& design);

// The application's style with the icons above for what the reader's windows show at start
// (the buttons of toolbars, menu bar and docks, file and folder icons); the style's own
// pictures are files that would be read and decoded before the first page shows.
class ReaderStyle final : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace zeb
