// Clipboard over QClipboard. The program's named formats travel as MIME types of their
// own: "Nexo30 objects" as application/x-nexo30-objects, and so on (mimeTypeOfFormat); RTF
// as text/rtf (and application/rtf, which some programs look for); plain text as UTF-8;
// pictures as images.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <map>
#include <optional>
#include <string>

#include "platform/clipboard.h"

namespace zeb {

// "application/x-" and the name in lower case with blanks as hyphens.
QString mimeTypeOfFormat(std::string_view format);

// Needs a QGuiApplication. Every call puts the whole content gathered since clear() on the
// clipboard again, so what is there is always complete.
class QtClipboard final : public Clipboard {
 public:
  void clear() override;
  void setFormat(std::string_view format, std::span<const std::uint8_t> bytes) override;
  void setRtf(std::span<const std::uint8_t> bytes) override;
  void setPlainText(std::string_view text, std::uint16_t codePage) override;
  void setPicture(const RgbaImage& picture) override;

 private:
  void publish() const;

  std::map<QString, QByteArray> formats_;
  std::optional<QString> text_;
  std::optional<QImage> image_;
};

}  // namespace zeb
