// A TCP server on 127.0.0.1 for tests: it listens at once on a free port and serves each
// connection on a thread of its own until the connection or the server ends.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace zeb::testing {

class LoopbackServer {
 public:
  // One accepted connection, as its handler sees it. Reads give up when the peer closes the
  // connection or the server stops.
  class Connection {
   public:
    Connection(int socket, const std::atomic<bool>& stopping);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Everything up to and including the delimiter.
    std::optional<std::string> readUntil(std::string_view delimiter);
    std::optional<std::string> readExactly(std::size_t count);
    bool send(std::string_view bytes);
    // Answers nothing and waits until the peer goes away or the server stops.
    void holdUntilClosed();
    // Every byte read so far, in order.
    const std::string& received() const { return received_; }

   private:
    bool readMore();
    int socket_;
    const std::atomic<bool>& stopping_;
    std::string buffered_;
    std::string received_;
  };
  using Handler = std::function<void(Connection&)>;

  explicit LoopbackServer(Handler handler);
  // Stops listening, wakes every handler and waits for it.
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int port() const { return port_; }
  // "127.0.0.1:" + port.
  std::string hostAndPort() const;
  int acceptedCount() const { return accepted_; }

 private:
  void acceptLoop();

  Handler handler_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> accepted_{0};
  std::mutex connectionsMutex_;
  std::vector<std::thread> connections_;
  std::thread acceptor_;
};

// A port on 127.0.0.1 where nothing listens: connecting to it is refused at once.
int closedLoopbackPort();

}  // namespace zeb::testing
