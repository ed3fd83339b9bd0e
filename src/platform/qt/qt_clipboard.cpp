// The Qt clipboard.
#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/code_pages.h"

namespace zeb {
namespace {

QByteArray bytesOf(std::span<const std::uint8_t> bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

QString mimeTypeOfFormat(std::string_view format) {
  QString name = QString::fromLatin1(format.data(), static_cast<qsizetype>(format.size())).toLower();
  name.replace(QLatin1Char(' '), QLatin1Char('-'));
  return QStringLiteral("application/x-") + name;
}

void QtClipboard::clear() {
  formats_.clear();
  text_.reset();
  image_.reset();
  QGuiApplication::clipboard()->clear();
}

void QtClipboard::setFormat(std::string_view format, std::span<const std::uint8_t> bytes) {
  formats_[mimeTypeOfFormat(format)] = bytesOf(bytes);
  publish();
}

void QtClipboard::setRtf(std::span<const std::uint8_t> bytes) {
  formats_[QStringLiteral("text/rtf")] = bytesOf(bytes);
  formats_[QStringLiteral("application/rtf")] = bytesOf(bytes);
  publish();
}

void QtClipboard::setPlainText(std::string_view text, std::uint16_t codePage) {
  text_ = QString::fromStdString(bookTextToUtf8(text, codePage));
  publish();
}

void QtClipboard::setPicture(const RgbaImage& picture) {
  if (picture.empty() || picture.pixels.size() < static_cast<std::size_t>(picture.width) * picture.height * 4) return;
  image_ =
      QImage(picture.pixels.data(), picture.width, picture.height, picture.width * 4, QImage::Format_RGBA8888).copy();
  publish();
}

void QtClipboard::publish() const {
  auto data = std::make_unique<QMimeData>();
  for (const auto& [type, bytes] : formats_) data->setData(type, bytes);
  if (text_) data->setText(*text_);
  if (image_) data->setImageData(*image_);
  QGuiApplication::clipboard()->setMimeData(data.release());
}

}  // namespace zeb
