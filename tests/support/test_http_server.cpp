// The loopback HTTP server of the transfer tests.
#include "tests/support/test_http_server.h"

#include <cstdlib>

#include "platform/windows1252.h"

namespace zeb::testing {

std::string SeenHttpRequest::header(std::string_view name) const {
  std::size_t start = head.find("\r\n");
  while (start != std::string::npos && start + 2 < head.size()) {
    start += 2;
    const std::size_t end = head.find("\r\n", start);
    const std::string_view line = std::string_view(head).substr(start, end - start);
    const std::size_t colon = line.find(':');
    if (colon != std::string_view::npos && equalsIgnoringCase(line.substr(0, colon), name)) {
      std::string_view value = line.substr(colon + 1);
      while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
      return std::string(value);
    }
    start = end;
  }
  return {};
}

TestHttpServer::TestHttpServer() : server_([this](LoopbackServer::Connection& connection) { serve(connection); }) {}

void TestHttpServer::answer(const std::string& path, int status) {
  const std::lock_guard lock(mutex_);
  routes_[path] = Route{status, {}, false};
}

void TestHttpServer::redirect(const std::string& path, int status, const std::string& location) {
  const std::lock_guard lock(mutex_);
  routes_[path] = Route{status, location, false};
}

void TestHttpServer::neverAnswer(const std::string& path) {
  const std::lock_guard lock(mutex_);
  routes_[path] = Route{0, {}, true};
}

std::string TestHttpServer::url(std::string_view path) const {
  return "http://" + server_.hostAndPort() + std::string(path);
}

std::vector<SeenHttpRequest> TestHttpServer::requests() const {
  const std::lock_guard lock(mutex_);
  return requests_;
}

bool TestHttpServer::waitForRequests(std::size_t count, std::chrono::milliseconds patience) const {
  std::unique_lock lock(mutex_);
  return arrived_.wait_for(lock, patience, [&] { return requests_.size() >= count; });
}

void TestHttpServer::serve(LoopbackServer::Connection& connection) {
  for (;;) {
    const std::optional<std::string> head = connection.readUntil("\r\n\r\n");
    if (!head) return;
    SeenHttpRequest request;
    request.head = *head;
    const std::size_t methodEnd = head->find(' ');
    const std::size_t targetEnd = head->find(' ', methodEnd + 1);
    request.method = head->substr(0, methodEnd);
    request.target = head->substr(methodEnd + 1, targetEnd - methodEnd - 1);
    const std::string length = request.header("Content-Length");
    if (!length.empty()) {
      const std::optional<std::string> body = connection.readExactly(std::strtoul(length.c_str(), nullptr, 10));
      if (!body) return;
      request.body = *body;
    }
    Route route;
    {
      const std::lock_guard lock(mutex_);
      const auto found = routes_.find(request.target);
      if (found != routes_.end()) route = found->second;
      requests_.push_back(request);
    }
    arrived_.notify_all();
    if (route.silent) {
      connection.holdUntilClosed();
      return;
    }
    const std::string body = "status " + std::to_string(route.status) + "\n";
    std::string answer = "HTTP/1.1 " + std::to_string(route.status) + " Test\r\n";
    if (!route.location.empty()) answer += "Location: " + route.location + "\r\n";
    answer += "Content-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
    if (!connection.send(answer)) return;
  }
}

}  // namespace zeb::testing
