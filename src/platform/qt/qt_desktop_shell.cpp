// The desktop through Qt.
#include "platform/qt/qt_desktop_shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include "platform/windows1252.h"

namespace zeb {

std::optional<std::filesystem::path> QtDesktopShell::chooseFolder(std::string_view prompt) {
  const QString folder = QFileDialog::getExistingDirectory(QApplication::activeWindow(),
                                                           QString::fromStdString(windows1252ToUtf8(prompt)));
  if (folder.isEmpty()) return std::nullopt;
  return std::filesystem::path(folder.toStdString());
}

bool QtDesktopShell::openDocument(std::string_view pathOrAddress) {
  const QString text = QString::fromStdString(windows1252ToUtf8(pathOrAddress));
  // An address names its scheme ("http:", "mailto:"); anything else is a file.
  const QUrl url(text);
  const bool address = url.isValid() && url.scheme().size() > 1;
  return QDesktopServices::openUrl(address ? url : QUrl::fromLocalFile(text));
}

bool QtDesktopShell::runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
  QStringList words;
  for (const std::string& argument : arguments) words << QString::fromStdString(argument);
  return QProcess::startDetached(QString::fromStdString(program.string()), words);
}

}  // namespace zeb
