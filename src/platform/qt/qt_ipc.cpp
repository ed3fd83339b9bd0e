// Inter-process commands over local sockets.
#include "platform/qt/qt_ipc.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>
#include <QtEndian>
#include <cerrno>
#include <chrono>
#include <thread>

namespace zeb {
namespace {

constexpr std::size_t headerBytes = 4;
constexpr int connectionLifetimeMilliseconds = 5000;
constexpr int lockMilliseconds = 2000;
constexpr int lockRetryMilliseconds = 10;
constexpr int listenBacklog = 16;
constexpr std::string_view answer = "OK\n";

// A descriptor closed when it goes.
class Descriptor {
 public:
  explicit Descriptor(int descriptor = -1) : descriptor_(descriptor) {}
  ~Descriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return descriptor_; }
  int release() { return std::exchange(descriptor_, -1); }

 private:
  int descriptor_;
};

// The socket's address; false when the path does not fit in one.
bool addressOf(const QString& path, sockaddr_un& address) {
  const QByteArray bytes = QFile::encodeName(path);
  address = sockaddr_un{};
  address.sun_family = AF_UNIX;
  if (bytes.isEmpty() || static_cast<std::size_t>(bytes.size()) >= sizeof address.sun_path) return false;
  std::copy(bytes.begin(), bytes.end(), address.sun_path);
  return true;
}

bool connectTo(int descriptor, const sockaddr_un& address) {
  int result;
  do {
    result = ::connect(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

// Whether the process at the other end of the socket runs as this process's user.
bool peerIsThisUser(int descriptor) {
  ucred credentials{};
  socklen_t length = sizeof credentials;
  if (::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0) return false;
  return credentials.uid == ::getuid();
}

// Waits until the descriptor can be read (or written); false when the time ran out.
bool waitFor(int descriptor, short events, int milliseconds) {
  pollfd wanted{descriptor, events, 0};
  int result;
  do {
    result = ::poll(&wanted, 1, milliseconds);
  } while (result < 0 && errno == EINTR);
  return result > 0;
}

// Holds a lock file while two readers starting together decide who takes the name.
class StartLock {
 public:
  explicit StartLock(const QString& path)
      : file_(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    if (file_.get() < 0) return;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(lockMilliseconds);
    while (!(held_ = ::flock(file_.get(), LOCK_EX | LOCK_NB) == 0) && std::chrono::steady_clock::now() < giveUp)
      std::this_thread::sleep_for(std::chrono::milliseconds(lockRetryMilliseconds));
  }
  bool held() const { return held_; }

 private:
  Descriptor file_;  // closing it lets the lock go
  bool held_ = false;
};

}  // namespace

QString ipcSocketPath(const QString& serverName) {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) return QDir(runtime).filePath(serverName);
  return QDir::temp().filePath(serverName);
}

struct QtIpcServer::Connection {
  explicit Connection(int descriptor) : socket(descriptor) {}
  Descriptor socket;
  std::unique_ptr<QSocketNotifier> notifier;
  std::unique_ptr<QTimer> lifetime;
  QByteArray received;
};

QtIpcServer::QtIpcServer(const QString& serverName, QObject* parent)
    : QObject(parent), path_(ipcSocketPath(serverName)) {}

QtIpcServer::~QtIpcServer() {
  connections_.clear();
  if (listener_ < 0) return;
  delete listenNotifier_;
  ::close(listener_);
  QFile::remove(path_);
}

bool QtIpcServer::listen(std::function<void(const std::string& macro)> onMacro) {
  if (listening()) return true;
  sockaddr_un address;
  if (!addressOf(path_, address)) return false;
  // Two readers starting together must not both take the name, the second removing the
  // first one's socket: the probe and the listening happen under a lock.
  const StartLock lock(path_ + QStringLiteral(".lock"));
  if (!lock.held()) return false;
  {
    // A reader that listens accepts at once; a socket file left by one that crashed refuses.
    const Descriptor probe(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (probe.get() < 0 || connectTo(probe.get(), address)) return false;
  }
  ::unlink(address.sun_path);
  Descriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  if (listener.get() < 0) return false;
  // Only the user may connect: the socket is made without access for anyone else.
  const mode_t previousMask = ::umask(0077);
  const bool bound = ::bind(listener.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::umask(previousMask);
  if (!bound) return false;
  if (::listen(listener.get(), listenBacklog) != 0) {
    ::unlink(address.sun_path);
    return false;
  }
  listener_ = listener.release();
  listenNotifier_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
  connect(listenNotifier_, &QSocketNotifier::activated, this, &QtIpcServer::acceptConnections);
  onMacro_ = std::move(onMacro);
  return true;
}

void QtIpcServer::acceptConnections() {
  for (;;) {
    Descriptor socket(::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
    if (socket.get() < 0) {
      if (errno == EINTR) continue;
      return;  // none waiting any more
    }
    if (!peerIsThisUser(socket.get())) continue;
    auto connection = std::make_unique<Connection>(socket.release());
    Connection& accepted = *connection;
    accepted.notifier = std::make_unique<QSocketNotifier>(accepted.socket.get(), QSocketNotifier::Read);
    connect(accepted.notifier.get(), &QSocketNotifier::activated, this, [this, &accepted] { readFrom(accepted); });
    // A sender that never finishes is dropped, so connections cannot pile up.
    accepted.lifetime = std::make_unique<QTimer>();
    accepted.lifetime->setSingleShot(true);
    connect(accepted.lifetime.get(), &QTimer::timeout, this, [this, &accepted] { drop(accepted); });
    accepted.lifetime->start(connectionLifetimeMilliseconds);
    connections_.push_back(std::move(connection));
  }
}

void QtIpcServer::readFrom(Connection& connection) {
  char buffer[1024];
  for (;;) {
    const ssize_t count = ::read(connection.socket.get(), buffer, sizeof buffer);
    if (count > 0) {
      connection.received.append(buffer, static_cast<qsizetype>(count));
      if (static_cast<std::size_t>(connection.received.size()) > headerBytes + maxIpcMacroBytes) break;
      continue;
    }
    if (count < 0 && errno == EINTR) continue;
    if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
    drop(connection);  // the sender closed, or the socket failed
    return;
  }
  const QByteArray& received = connection.received;
  if (static_cast<std::size_t>(received.size()) < headerBytes) return;
  const quint32 length = qFromLittleEndian<quint32>(received.constData());
  if (length > maxIpcMacroBytes) {
    drop(connection);
    return;
  }
  if (static_cast<std::size_t>(received.size()) < headerBytes + length) return;
  const std::string macro(received.constData() + headerBytes, length);
  // Three bytes always fit in an empty socket buffer.
  [[maybe_unused]] const ssize_t written = ::write(connection.socket.get(), answer.data(), answer.size());
  drop(connection);
  // Handed on from the event loop, never from inside this callback.
  QTimer::singleShot(0, this, [this, macro] {
    if (onMacro_) onMacro_(macro);
  });
}

void QtIpcServer::drop(Connection& connection) {
  // The notifier that called may be the one going: it is deleted once its signal is over.
  connection.notifier->setEnabled(false);
  connection.notifier.release()->deleteLater();
  connection.lifetime->stop();
  connection.lifetime.release()->deleteLater();
  std::erase_if(connections_, [&connection](const auto& held) { return held.get() == &connection; });
}

QtIpcClient::QtIpcClient(const QString& serverName, int timeoutMilliseconds)
    : path_(ipcSocketPath(serverName)), timeout_(timeoutMilliseconds) {}

bool QtIpcClient::handOver(std::string_view macro) {
  if (macro.size() > maxIpcMacroBytes) return false;
  sockaddr_un address;
  if (!addressOf(path_, address)) return false;
  const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (socket.get() < 0 || !connectTo(socket.get(), address) || !peerIsThisUser(socket.get())) return false;
  const timeval limit{timeout_ / 1000, (timeout_ % 1000) * 1000};
  ::setsockopt(socket.get(), SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);

  std::string message(headerBytes, '\0');
  qToLittleEndian<quint32>(static_cast<quint32>(macro.size()), message.data());
  message.append(macro);
  std::size_t sent = 0;
  while (sent < message.size()) {
    const ssize_t count = ::send(socket.get(), message.data() + sent, message.size() - sent, MSG_NOSIGNAL);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    sent += static_cast<std::size_t>(count);
  }
  std::string reply;
  while (reply.size() < answer.size()) {
    if (!waitFor(socket.get(), POLLIN, timeout_)) return false;
    char buffer[16];
    const ssize_t count = ::read(socket.get(), buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break;
    reply.append(buffer, static_cast<std::size_t>(count));
  }
  return reply.starts_with(answer);
}

}  // namespace zeb
