// Painting a page view: its background, then its text box at the page's scroll position.
#pragma once

namespace zeb {

class Canvas;
class TZEBpage;
class TZEBset;
class TZEBsfondo;

// The background of a page over the canvas's clip: the picture tiled from the page's
// top-left corner at the picture's stored size (the colour first when the picture lets it
// through), or the colour alone.
void paintPageBackground(const TZEBsfondo& background, TZEBset& set, Canvas& canvas);

// The whole page as the reader shows it, in page coordinates.
void paintPage(TZEBpage& page, Canvas& canvas);

}  // namespace zeb
