// The loopback SMTP server of the transfer tests.
#include "tests/support/test_smtp_server.h"

#include "platform/windows1252.h"

namespace zeb::testing {
namespace {

// The message as stored: a line that starts with "." loses that first dot.
std::string unstuffed(const std::string& data) {
  std::string out;
  std::size_t start = 0;
  while (start < data.size()) {
    std::size_t end = data.find("\r\n", start);
    end = end == std::string::npos ? data.size() : end + 2;
    const std::size_t skip = data[start] == '.' ? 1 : 0;
    out.append(data, start + skip, end - start - skip);
    start = end;
  }
  return out;
}

}  // namespace

TestSmtpServer::TestSmtpServer(SmtpServerOptions options)
    : options_(options), server_([this](LoopbackServer::Connection& connection) { serve(connection); }) {}

std::vector<std::string> TestSmtpServer::sessions() const {
  const std::lock_guard lock(mutex_);
  return sessions_;
}

std::vector<std::string> TestSmtpServer::messages() const {
  const std::lock_guard lock(mutex_);
  return messages_;
}

bool TestSmtpServer::waitForSessions(std::size_t count, std::chrono::milliseconds patience) const {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, patience, [&] { return sessions_.size() >= count; });
}

bool TestSmtpServer::waitForConnections(std::size_t count, std::chrono::milliseconds patience) const {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, patience, [&] { return connections_ >= count; });
}

void TestSmtpServer::serve(LoopbackServer::Connection& connection) {
  {
    const std::lock_guard lock(mutex_);
    ++connections_;
  }
  changed_.notify_all();
  const auto converse = [&] {
    if (options_.neverGreet) {
      connection.holdUntilClosed();
      return;
    }
    if (!connection.send("220 loopback.test ESMTP\r\n")) return;
    while (const std::optional<std::string> line = connection.readUntil("\r\n")) {
      const std::string verb = upperWindows1252(line->substr(0, std::min<std::size_t>(line->find_first_of(" \r"), 8)));
      std::string reply;
      if (verb == "EHLO") {
        reply = options_.refuseEhlo ? "502 5.5.2 Command not recognized\r\n"
                                    : std::string("250-loopback.test\r\n") +
                                          (options_.offerStartTls ? "250-STARTTLS\r\n" : "") + "250 8BITMIME\r\n";
      } else if (verb == "HELO") {
        reply = "250 loopback.test\r\n";
      } else if (verb == "STARTTLS") {
        reply = "454 4.7.0 TLS not available\r\n";
      } else if (verb == "MAIL") {
        reply = "250 2.1.0 Ok\r\n";
      } else if (verb == "RCPT") {
        reply = options_.refuseRecipient ? "550 5.1.1 No such user\r\n" : "250 2.1.5 Ok\r\n";
      } else if (verb == "DATA") {
        if (!connection.send("354 End data with <CR><LF>.<CR><LF>\r\n")) return;
        const std::optional<std::string> data = connection.readUntil("\r\n.\r\n");
        if (!data) return;
        {
          const std::lock_guard lock(mutex_);
          messages_.push_back(unstuffed(data->substr(0, data->size() - 3)));
        }
        reply = "250 2.0.0 Ok: queued\r\n";
      } else if (verb == "QUIT") {
        connection.send("221 2.0.0 Bye\r\n");
        return;
      } else if (verb == "RSET" || verb == "NOOP") {
        reply = "250 2.0.0 Ok\r\n";
      } else {
        reply = "502 5.5.2 Error: command not recognized\r\n";
      }
      if (!connection.send(reply)) return;
    }
  };
  converse();
  {
    const std::lock_guard lock(mutex_);
    sessions_.push_back(connection.received());
  }
  changed_.notify_all();
}

}  // namespace zeb::testing
