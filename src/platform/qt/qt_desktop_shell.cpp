// The desktop through Qt.
#include "platform/qt/qt_desktop_shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include "platform/headless/process_runner.h"
#include "platform/windows1252.h"

namespace zeb {
namespace {

QString qtPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// How Wine names a file of this machine: its root is the Z: drive.
std::string wineName(const std::string& argument) {
  std::error_code error;
  if (argument.empty() || argument.front() != '/' || !std::filesystem::exists(argument, error)) return argument;
  std::string name = "Z:" + argument;
  for (char& c : name)
    if (c == '/') c = '\\';
  return name;
}

}  // namespace

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

bool QtDesktopShell::openFile(const std::filesystem::path& file) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(qtPath(file)));
}

bool QtDesktopShell::openInTextEditor(const std::filesystem::path& file) {
  // The reader opens only its own ".txt" parameter files this way: the desktop gives files
  // of that type to its text editor.
  return openFile(file);
}

bool QtDesktopShell::runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
  QStringList words;
  for (const std::string& argument : arguments) words << QString::fromStdString(argument);
  return QProcess::startDetached(qtPath(program), words);
}

bool QtDesktopShell::runWindowsProgram(std::string_view program, const std::vector<std::string>& arguments) {
  const std::filesystem::path wine = findProgram("wine");
  if (wine.empty()) return false;
  QStringList words{QString::fromStdString(wineName(std::string(program)))};
  for (const std::string& argument : arguments) words << QString::fromStdString(wineName(argument));
  return QProcess::startDetached(qtPath(wine), words);
}

}  // namespace zeb
