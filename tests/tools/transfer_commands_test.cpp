// zebtool web and mail against loopback servers the tests start themselves.
#include <gtest/gtest.h>

#include "tests/support/test_http_server.h"
#include "tests/support/test_smtp_server.h"
#include "tests/tools/zebtool_fixture.h"

namespace zeb::testing {
namespace {

using TransferCommands = Zebtool;

TEST_F(TransferCommands, WebPrintsTheStatusAndTheBoxThatAFormWithoutCallbackShows) {
  TestHttpServer server;
  server.answer("/missing", 404);
  const std::string data = folder.write("data.bin", std::string_view("a=x+y&b=1%262&")).string();
  const CommandResult posted = zebtool({"web", server.url("/missing"), data});
  EXPECT_EQ(posted.exitStatus, 0);
  EXPECT_EQ(posted.out, "status: 404\n");
  EXPECT_EQ(posted.err, "Information: " + server.url("/missing") + " [404]\n");
  const CommandResult fetched = zebtool({"web", server.url("/page")});
  EXPECT_EQ(fetched.out, "status: 200\n");
  const std::vector<SeenHttpRequest> requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].method + " " + requests[0].body, "POST a=x+y&b=1%262&");
  EXPECT_EQ(requests[1].method, "GET");

  const CommandResult refused = zebtool({"web", "http://127.0.0.1:" + std::to_string(closedLoopbackPort()) + "/"});
  EXPECT_EQ(refused.exitStatus, 1);
  EXPECT_EQ(refused.out, "status: none\n");
  EXPECT_EQ(refused.err, "");
  EXPECT_EQ(zebtool({"web"}).exitStatus, 2);
}

TEST_F(TransferCommands, MailSendsTheBodyAndSaysWhetherTheServerTookIt) {
  TestSmtpServer server;
  const std::string body = folder.write("body.txt", std::string_view("first\n.\nlast")).string();
  const CommandResult sent =
      zebtool({"mail", server.hostAndPort(), "anna@example.com", "orders@example.com", "Caf\xC3\xA9", body});
  EXPECT_EQ(sent.exitStatus, 0);
  EXPECT_EQ(sent.out, "sent: yes\n");
  ASSERT_EQ(server.messages().size(), 1u);
  const std::string message = server.messages()[0];
  EXPECT_NE(message.find("\r\nSubject: Caf\xE9\r\n\r\nfirst\r\n,\r\nlast\r\n"), std::string::npos) << message;

  TestSmtpServer refusing(SmtpServerOptions{.refuseRecipient = true});
  const CommandResult refused = zebtool({"mail", refusing.hostAndPort(), "a@example.com", "b@example.com", "s"});
  EXPECT_EQ(refused.exitStatus, 1);
  EXPECT_EQ(refused.out, "sent: no\n");
  EXPECT_EQ(zebtool({"mail", "host", "a", "b"}).exitStatus, 2);
}

}  // namespace
}  // namespace zeb::testing
