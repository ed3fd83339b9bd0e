// A small HTTP server on loopback for tests: it records each request and answers with the
// status chosen for its path, a redirect, or nothing at all.
#pragma once

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/loopback_server.h"

namespace zeb::testing {

struct SeenHttpRequest {
  std::string method;
  std::string target;  // the path and query as the request line gives them
  std::string head;    // the request line and header lines, CR LF included
  std::string body;
  // The first header of that name (letter case ignored), without its name and blanks.
  std::string header(std::string_view name) const;
};

class TestHttpServer {
 public:
  TestHttpServer();

  // The status answered for a path (200 for paths not named).
  void answer(const std::string& path, int status);
  // A redirect to the location, with the status (301, 302, 307...).
  void redirect(const std::string& path, int status, const std::string& location);
  // Requests for this path get no answer until the client gives up or the server stops.
  void neverAnswer(const std::string& path);

  // "http://127.0.0.1:<port>" + path.
  std::string url(std::string_view path) const;
  std::vector<SeenHttpRequest> requests() const;
  // Waits until that many requests have arrived; false when they did not in time.
  bool waitForRequests(std::size_t count, std::chrono::milliseconds patience) const;

 private:
  struct Route {
    int status = 200;
    std::string location;
    bool silent = false;
  };
  void serve(LoopbackServer::Connection& connection);

  mutable std::mutex mutex_;
  mutable std::condition_variable arrived_;
  std::map<std::string, Route> routes_;
  std::vector<SeenHttpRequest> requests_;
  // Last, so that it stops before the routes and requests it reads go away.
  LoopbackServer server_;
};

}  // namespace zeb::testing
