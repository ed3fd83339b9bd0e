// Web requests against a loopback HTTP server: what is sent, and what the reader is told.
#include <gtest/gtest.h>

#include "tests/support/test_http_server.h"
#include "tests/transfer/transfer_fixture.h"

namespace zeb::testing {
namespace {

using WebTransfer = TransferTest;

TEST_F(WebTransfer, APostWithoutCallbackShowsTheAddressAndTheStatus) {
  TestHttpServer server;
  server.answer("/missing", 404);
  server.answer("/form", 200);
  const std::string data = std::string("name=Anna+Rossi\r\nnote=\x01\xFF") + '\0' + "end";
  TVoWebThread::start(*registry, server.url("/missing"), data, nullptr);
  TVoWebThread::start(*registry, server.url("/form?x=1"), std::string(), nullptr);
  ASSERT_TRUE(runUntilIdle());

  std::vector<ShownMessage> shown = platform.messages.shown();
  std::sort(shown.begin(), shown.end(), [](const auto& a, const auto& b) { return a.text < b.text; });
  EXPECT_EQ(shown, (std::vector<ShownMessage>{{MessageKind::information, server.url("/form?x=1") + " [200]"},
                                              {MessageKind::information, server.url("/missing") + " [404]"}}));
  std::vector<SeenHttpRequest> requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  if (requests[0].target != "/missing") std::swap(requests[0], requests[1]);
  EXPECT_EQ(requests[0].method, "POST");
  EXPECT_EQ(requests[0].body, data);
  EXPECT_EQ(requests[0].header("User-Agent"), "Corvenna[]");
  EXPECT_EQ(requests[0].header("Content-Type"), "application/octet-stream");
  EXPECT_EQ(requests[0].header("Expect"), "");
  EXPECT_EQ(requests[1].method, "POST");
  EXPECT_EQ(requests[1].target, "/form?x=1");
  EXPECT_EQ(requests[1].header("Content-Length"), "0");
}

TEST_F(WebTransfer, TheCallbackRunsOnlyForStatusesInThe200s) {
  TestHttpServer server;
  server.answer("/created", 201);
  server.answer("/missing", 404);
  server.answer("/error", 500);
  server.answer("/moved", 304);
  std::vector<std::string> called;
  for (const char* path : {"/created", "/missing", "/error", "/moved", "/ok"}) {
    TVoWebThread::start(*registry, server.url(path), std::nullopt, [&called, path] { called.push_back(path); });
  }
  ASSERT_TRUE(runUntilIdle());
  std::sort(called.begin(), called.end());
  EXPECT_EQ(called, (std::vector<std::string>{"/created", "/ok"}));
  EXPECT_TRUE(platform.messages.shown().empty());
  const std::vector<SeenHttpRequest> requests = server.requests();
  ASSERT_EQ(requests.size(), 5u);
  for (const SeenHttpRequest& request : requests) {
    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.header("User-Agent"), "Corvenna[]");
    EXPECT_EQ(request.body, "");
  }
}

TEST_F(WebTransfer, ARedirectedFormIsPostedAgainAndOnlyWebAddressesAreFollowed) {
  TestHttpServer server;
  server.redirect("/old", 301, "/new");
  server.redirect("/moved", 302, "/new");
  server.answer("/new", 202);
  server.redirect("/away", 302, "file:///etc/passwd");
  TVoWebThread::start(*registry, server.url("/old"), std::string("a=1&"), nullptr);
  ASSERT_TRUE(runUntilIdle());
  TVoWebThread::start(*registry, server.url("/moved"), std::string("b=2&"), nullptr);
  ASSERT_TRUE(runUntilIdle());
  TVoWebThread::start(*registry, server.url("/away"), std::nullopt, nullptr);
  ASSERT_TRUE(runUntilIdle());

  // Moved with 301 or with 302, the form reaches the new address as a post with its data.
  const std::vector<SeenHttpRequest> requests = server.requests();
  ASSERT_EQ(requests.size(), 5u);
  EXPECT_EQ(requests[1].method + " " + requests[1].target + " " + requests[1].body, "POST /new a=1&");
  EXPECT_EQ(requests[3].method + " " + requests[3].target + " " + requests[3].body, "POST /new b=2&");
  // The status box names the address the form gave, with the final answer's status; a
  // redirect to a file is not followed, so its own status is what the box shows.
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{{MessageKind::information, server.url("/old") + " [202]"},
                                       {MessageKind::information, server.url("/moved") + " [202]"},
                                       {MessageKind::information, server.url("/away") + " [302]"}}));
}

TEST_F(WebTransfer, FailuresBeforeAnyAnswerEndQuietly) {
  const std::string refused = "http://127.0.0.1:" + std::to_string(closedLoopbackPort()) + "/form";
  bool called = false;
  TVoWebThread::start(*registry, refused, std::string("a=1"), nullptr);
  TVoWebThread::start(*registry, refused, std::nullopt, [&] { called = true; });
  // Addresses a book may name that are not the web are never fetched.
  TVoWebThread::start(*registry, "file:///etc/passwd", std::nullopt, nullptr);
  TVoWebThread::start(*registry, "ftp://127.0.0.1/x", std::nullopt, nullptr);
  TVoWebThread::start(*registry, "http://exa mple.com/\r\nX: y", std::nullopt, nullptr);
  TVoWebThread::start(*registry, "", std::nullopt, nullptr);
  ASSERT_TRUE(runUntilIdle());
  EXPECT_FALSE(called);
  EXPECT_TRUE(platform.messages.shown().empty());
}

}  // namespace
}  // namespace zeb::testing
