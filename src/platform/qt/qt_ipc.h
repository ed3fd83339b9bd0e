// Inter-process commands over a local (Unix-domain) socket: one socket per user, named after
// the executable and the user's ID, in the user's runtime folder. The server is driven by the
// Qt event loop; the sockets are the system's own, so that the reader needs no network
// library to start.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "platform/ipc.h"

class QSocketNotifier;

namespace zeb {

// Where the socket of that server name lies: in $XDG_RUNTIME_DIR (a folder of the user's
// own) when there is one, otherwise in the temporary folder.
QString ipcSocketPath(const QString& serverName);

// Needs a QCoreApplication; macros are read on its thread. A message is a 32-bit little-
// endian length and that many bytes; the server answers "OK\n" once it has them all, and
// only then hands the macro on. Connections of other users are refused; a sender that has
// not finished within five seconds is dropped.
class QtIpcServer final : public QObject, public IpcServer {
  Q_OBJECT

 public:
  explicit QtIpcServer(const QString& serverName, QObject* parent = nullptr);
  // Stops listening and removes the socket.
  ~QtIpcServer() override;

  // A reader that answers on the name keeps it (false); a socket left by a reader that
  // ended without removing it answers nothing, and is replaced.
  bool listen(std::function<void(const std::string& macro)> onMacro) override;
  bool listening() const override { return listener_ >= 0; }
  QString socketPath() const { return path_; }

 private:
  struct Connection;
  void acceptConnections();
  void readFrom(Connection& connection);
  void drop(Connection& connection);

  QString path_;
  int listener_ = -1;
  QSocketNotifier* listenNotifier_ = nullptr;
  std::vector<std::unique_ptr<Connection>> connections_;
  std::function<void(const std::string&)> onMacro_;
};

class QtIpcClient final : public IpcClient {
 public:
  explicit QtIpcClient(const QString& serverName, int timeoutMilliseconds = 3000);
  bool handOver(std::string_view macro) override;

 private:
  QString path_;
  int timeout_;
};

}  // namespace zeb
