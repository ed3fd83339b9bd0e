// A small SMTP server on loopback for tests: it records every byte each session received
// and the messages it accepted.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "tests/support/loopback_server.h"

namespace zeb::testing {

struct SmtpServerOptions {
  bool offerStartTls = false;    // EHLO lists STARTTLS; STARTTLS itself is answered 454
  bool refuseEhlo = false;       // EHLO is answered 502, so that the client says HELO
  bool refuseRecipient = false;  // RCPT TO is answered 550
  bool neverGreet = false;       // the server accepts and then says nothing at all
};

class TestSmtpServer {
 public:
  explicit TestSmtpServer(SmtpServerOptions options = {});

  // "127.0.0.1:<port>", as the mail server setting names it.
  std::string hostAndPort() const { return server_.hostAndPort(); }
  // Every byte each finished session received, one entry per connection.
  std::vector<std::string> sessions() const;
  // Each accepted message as the server stores it: the bytes after DATA, dots unstuffed,
  // without the final ".".
  std::vector<std::string> messages() const;
  // Waits until that many sessions have ended; false when they did not in time.
  bool waitForSessions(std::size_t count, std::chrono::milliseconds patience) const;
  // Waits until that many connections have been accepted.
  bool waitForConnections(std::size_t count, std::chrono::milliseconds patience) const;

 private:
  void serve(LoopbackServer::Connection& connection);

  const SmtpServerOptions options_;
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::size_t connections_ = 0;
  std::vector<std::string> sessions_;
  std::vector<std::string> messages_;
  // Last, so that it stops before what its sessions write into goes away.
  LoopbackServer server_;
};

}  // namespace zeb::testing
