// "Copy background in clipboard": the picture behind a page goes to the clipboard.
#pragma once

namespace zeb {
class TZEBoggetto;
class TZEBset;
}  // namespace zeb

namespace zeb::shell {

// Puts the page's background picture on the clipboard as a copied picture does. A page
// without one, or whose background is not a picture (kind 5 or 16), gets the error box
// "Allowed only for immagine" and nothing is copied. True when the picture was copied.
bool copyBackgroundPicture(TZEBset& set, TZEBoggetto* background);

}  // namespace zeb::shell
