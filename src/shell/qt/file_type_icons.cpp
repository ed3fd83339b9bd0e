// File-type icons through the MIME database and the icon theme; no file is made to ask.
#include "shell/qt/file_type_icons.h"

#include <QFileIconProvider>
#include <QHash>
#include <QMimeDatabase>

#include "platform/qt/book_text.h"

namespace zeb {
QIcon fileTypeIcon(std::string_view fileName) {
  // Keyed by extension in lower case: every file of a type shows the same icon.
  const QString name = fromBookText(fileName);
  const qsizetype dot = name.lastIndexOf('.');
  const QString extension = dot < 0 ? QString() : name.mid(dot).toLower();
  static QHash<QString, QIcon> cache;
  if (const auto found = cache.constFind(extension); found != cache.constEnd()) return *found;

  const QMimeType type = QMimeDatabase().mimeTypeForFile("file" + extension, QMimeDatabase::MatchExtension);
  QIcon icon = QIcon::fromTheme(type.iconName());
  if (icon.isNull()) icon = QIcon::fromTheme(type.genericIconName());
  if (icon.isNull()) icon = QFileIconProvider().icon(QFileIconProvider::File);
  cache.insert(extension, icon);
  return icon;
}

QIcon folderIcon() {
  static const QIcon icon = QIcon::fromTheme("folder", QFileIconProvider().icon(QFileIconProvider::Folder));
  return icon;
}

QIcon iconOf(const ItemIcon& icon) {
  switch (icon.source) {
    case ItemIcon::Source::fileType: return fileTypeIcon(icon.fileName);
    case ItemIcon::Source::folder: return folderIcon();
    case ItemIcon::Source::none: break;
  }
  return {};
}

}  // namespace zeb
