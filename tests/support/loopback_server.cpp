// The loopback test server: accepting, reading with a poll that notices the server stopping.
#include "tests/support/loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace zeb::testing {
namespace {

constexpr int pollMilliseconds = 20;

int listenOnLoopback(int& port) {
  const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (socket < 0) throw std::runtime_error("no socket");
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t length = sizeof address;
  if (bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(socket, 16) != 0 ||
      getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    close(socket);
    throw std::runtime_error("cannot listen on loopback");
  }
  port = ntohs(address.sin_port);
  return socket;
}

// Waits for the socket to become readable; false when the server stops first.
bool waitReadable(int socket, const std::atomic<bool>& stopping) {
  pollfd entry{socket, POLLIN, 0};
  while (!stopping) {
    const int ready = poll(&entry, 1, pollMilliseconds);
    if (ready > 0) return true;
    if (ready < 0 && errno != EINTR) return false;
  }
  return false;
}

}  // namespace

LoopbackServer::Connection::Connection(int socket, const std::atomic<bool>& stopping)
    : socket_(socket), stopping_(stopping) {}

LoopbackServer::Connection::~Connection() { close(socket_); }

bool LoopbackServer::Connection::readMore() {
  if (!waitReadable(socket_, stopping_)) return false;
  char chunk[4096];
  const ssize_t count = recv(socket_, chunk, sizeof chunk, 0);
  if (count <= 0) return false;
  buffered_.append(chunk, static_cast<std::size_t>(count));
  received_.append(chunk, static_cast<std::size_t>(count));
  return true;
}

std::optional<std::string> LoopbackServer::Connection::readUntil(std::string_view delimiter) {
  for (;;) {
    const std::size_t found = buffered_.find(delimiter);
    if (found != std::string::npos) {
      std::string part = buffered_.substr(0, found + delimiter.size());
      buffered_.erase(0, found + delimiter.size());
      return part;
    }
    if (!readMore()) return std::nullopt;
  }
}

std::optional<std::string> LoopbackServer::Connection::readExactly(std::size_t count) {
  while (buffered_.size() < count) {
    if (!readMore()) return std::nullopt;
  }
  std::string part = buffered_.substr(0, count);
  buffered_.erase(0, count);
  return part;
}

bool LoopbackServer::Connection::send(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = ::send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

void LoopbackServer::Connection::holdUntilClosed() {
  while (readMore()) {
  }
}

LoopbackServer::LoopbackServer(Handler handler) : handler_(std::move(handler)) {
  listener_ = listenOnLoopback(port_);
  acceptor_ = std::thread([this] { acceptLoop(); });
}

LoopbackServer::~LoopbackServer() {
  stopping_ = true;
  acceptor_.join();
  close(listener_);
  const std::lock_guard lock(connectionsMutex_);
  for (std::thread& connection : connections_) connection.join();
}

std::string LoopbackServer::hostAndPort() const { return "127.0.0.1:" + std::to_string(port_); }

void LoopbackServer::acceptLoop() {
  while (waitReadable(listener_, stopping_)) {
    const int socket = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (socket < 0) continue;
    ++accepted_;
    const std::lock_guard lock(connectionsMutex_);
    connections_.emplace_back([this, socket] {
      Connection connection(socket, stopping_);
      handler_(connection);
    });
  }
}

int closedLoopbackPort() {
  int port = 0;
  const int socket = listenOnLoopback(port);
  close(socket);
  return port;
}

}  // namespace zeb::testing
