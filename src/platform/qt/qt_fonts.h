// Book fonts as Qt fonts: the face substitutes and the Unicode form of Windows-1252 text.
#pragma once

#include <QFont>
#include <QString>
#include <string_view>

#include "platform/font.h"
#include "platform/font_faces.h"

namespace zeb {

// The pixel size of a point size at the resolution, rounded to the nearest pixel and at
// least 1, as the Windows font mapper computes it.
int pixelSizeOfPoints(int points, int pixelsPerInch);

// The Qt font that draws a book font: its substitute face at the pixel size (with the faces
// of its code page's script after it), with the style bits of the font and kerning on. Colour and vertical position are
// the painter's business.
QFont qtFontFor(const TMyFont& font, int pixelsPerInch);
// The same with the substitute of the font's face already looked up.
QFont qtFontFor(const TMyFont& font, const FaceSubstitute& face, int pixelsPerInch);

// The text as the face shows it: bytes in the code page, or the glyphs of "Symbol" and
// "Wingdings" for those faces.
QString qtTextFor(FaceEncoding encoding, std::uint16_t codePage, std::string_view bytes);
// In the font's face and code page.
QString qtTextFor(const TMyFont& font, std::string_view bytes);

}  // namespace zeb
