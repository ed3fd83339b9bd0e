// Inter-process commands over local sockets.
#include "platform/qt/qt_ipc.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>
#include <QtEndian>

namespace zeb {
namespace {

constexpr int headerBytes = 4;
constexpr int connectionLifetimeMilliseconds = 5000;
constexpr int probeMilliseconds = 500;
constexpr int lockMilliseconds = 2000;
const QByteArray answer = "OK\n";

// Whether the process at the other end of the socket runs as this process's user.
bool peerIsThisUser(qintptr descriptor) {
  ucred credentials{};
  socklen_t length = sizeof credentials;
  if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0) return false;
  return credentials.uid == ::getuid();
}

}  // namespace

QString ipcSocketPath(const QString& serverName) {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) return QDir(runtime).filePath(serverName);
  return serverName;
}

QtIpcServer::QtIpcServer(const QString& serverName, QObject* parent)
    : QObject(parent), path_(ipcSocketPath(serverName)) {
  connect(&server_, &QLocalServer::newConnection, this, &QtIpcServer::acceptConnections);
}

QtIpcServer::~QtIpcServer() { server_.close(); }

bool QtIpcServer::listen(std::function<void(const std::string& macro)> onMacro) {
  if (server_.isListening()) return true;
  // Two readers starting together must not both take the name, the second removing the
  // first one's socket: the probe and the listening happen under a lock.
  const QFileInfo socketFile(path_);
  QLockFile lock((socketFile.isAbsolute() ? path_ : QDir::temp().filePath(path_)) + ".lock");
  if (!lock.tryLock(lockMilliseconds)) return false;
  {
    QLocalSocket probe;
    probe.connectToServer(path_);
    if (probe.waitForConnected(probeMilliseconds)) return false;
  }
  // Nobody answers: whatever socket file is left there belongs to a reader that crashed.
  QLocalServer::removeServer(path_);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_.listen(path_)) return false;
  onMacro_ = std::move(onMacro);
  return true;
}

void QtIpcServer::acceptConnections() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (!peerIsThisUser(socket->socketDescriptor())) {
      socket->abort();
      continue;
    }
    // A sender that never finishes is dropped, so connections cannot pile up.
    QTimer::singleShot(connectionLifetimeMilliseconds, socket, [socket] { socket->abort(); });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (socket->bytesAvailable() < headerBytes) return;
      const QByteArray header = socket->peek(headerBytes);
      const quint32 length = qFromLittleEndian<quint32>(header.constData());
      if (length > maxIpcMacroBytes) {
        socket->abort();
        return;
      }
      if (socket->bytesAvailable() < headerBytes + static_cast<qint64>(length)) return;
      socket->read(headerBytes);
      const QByteArray macro = socket->read(length);
      socket->write(answer);
      socket->flush();
      socket->disconnectFromServer();
      // Handed on from the event loop, never from inside this callback.
      QTimer::singleShot(0, this, [this, text = macro.toStdString()] {
        if (onMacro_) onMacro_(text);
      });
    });
  }
}

QtIpcClient::QtIpcClient(const QString& serverName, int timeoutMilliseconds)
    : path_(ipcSocketPath(serverName)), timeout_(timeoutMilliseconds) {}

bool QtIpcClient::handOver(std::string_view macro) {
  if (macro.size() > maxIpcMacroBytes) return false;
  QLocalSocket socket;
  socket.connectToServer(path_);
  if (!socket.waitForConnected(timeout_) || !peerIsThisUser(socket.socketDescriptor())) return false;
  QByteArray message(headerBytes, '\0');
  qToLittleEndian<quint32>(static_cast<quint32>(macro.size()), message.data());
  message.append(macro.data(), static_cast<qsizetype>(macro.size()));
  socket.write(message);
  if (!socket.waitForBytesWritten(timeout_)) return false;
  QByteArray reply;
  while (reply.size() < answer.size()) {
    const bool more = socket.waitForReadyRead(timeout_);
    reply += socket.readAll();
    if (!more) break;
  }
  return reply.startsWith(answer);
}

}  // namespace zeb
