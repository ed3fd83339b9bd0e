// Transfers run side by side, end within their time-outs, and never outlive their owner.
#include <gtest/gtest.h>

#include "tests/support/test_http_server.h"
#include "tests/support/test_smtp_server.h"
#include "tests/transfer/transfer_fixture.h"

namespace zeb::testing {
namespace {

using TransferRegistryTest = TransferTest;

TEST_F(TransferRegistryTest, TransfersRunSideBySideWhileASlowOneWaits) {
  TestHttpServer web;
  web.neverAnswer("/slow");
  TestSmtpServer mail;
  bool slowEnded = false;
  std::vector<std::string> ended;
  TVoWebThread::start(*registry, web.url("/slow"), std::nullopt, [&] { slowEnded = true; });
  ASSERT_TRUE(web.waitForRequests(1, generousWait));
  TVoWebThread::start(*registry, web.url("/fast"), std::nullopt, [&] { ended.push_back("web"); });
  TVoMailThread::start(*registry, MailRequest{"a@example.com", "b@example.com", mail.hostAndPort(), "s", "b"},
                       [&] { ended.push_back("mail"); });
  EXPECT_EQ(registry->runningCount(), 3u);
  while (ended.size() < 2 && platform.events.waitForPosted(generousWait)) platform.events.runPending();
  std::sort(ended.begin(), ended.end());
  EXPECT_EQ(ended, (std::vector<std::string>{"mail", "web"}));
  EXPECT_EQ(registry->runningCount(), 1u);
  EXPECT_FALSE(slowEnded);
  EXPECT_EQ(mail.messages().size(), 1u);
}

TEST_F(TransferRegistryTest, ASilentServerIsLeftWhenTheTimeOutPasses) {
  TestHttpServer web;
  web.neverAnswer("/slow");
  TestSmtpServer mail(SmtpServerOptions{.neverGreet = true});
  useLimits(limitsOf(std::chrono::seconds(1)));
  bool webCalled = false;
  bool mailEnded = false;
  TVoWebThread::start(*registry, web.url("/slow"), std::string("a=1"), [&] { webCalled = true; });
  TVoWebThread::start(*registry, web.url("/slow"), std::nullopt, nullptr);
  TVoMailThread::start(*registry, MailRequest{"a@example.com", "b@example.com", mail.hostAndPort(), "s", "b"},
                       [&] { mailEnded = true; });
  ASSERT_TRUE(runUntilIdle());
  EXPECT_FALSE(webCalled);
  EXPECT_TRUE(mailEnded);
  EXPECT_TRUE(platform.messages.shown().empty());
}

// The reader owns the registry; closing it while transfers wait on silent servers, with
// time-outs far longer than any test, must neither wait for them nor run their endings.
TEST_F(TransferRegistryTest, ClosingTheOwnerDuringSlowTransfersEndsThemWithoutTheirEndings) {
  struct Reader {
    Reader(EventQueue& events, MessageBoxes& messages) : transfers(events, messages, limitsOf(std::chrono::hours(1))) {}
    TransferRegistry transfers;
  };
  TestHttpServer web;
  web.neverAnswer("/slow");
  TestSmtpServer mail(SmtpServerOptions{.neverGreet = true});
  auto reader = std::make_unique<Reader>(platform.events, platform.messages);
  std::vector<std::string> endings;
  TVoWebThread::start(reader->transfers, web.url("/slow"), std::string("a=1"), [&] { endings.push_back("web"); });
  TVoWebThread::start(reader->transfers, web.url("/slow"), std::nullopt, nullptr);
  TVoMailThread::start(reader->transfers, MailRequest{"a@example.com", "b@example.com", mail.hostAndPort(), "s", "b"},
                       [&] { endings.push_back("mail"); });
  ASSERT_TRUE(web.waitForRequests(2, generousWait));
  ASSERT_TRUE(mail.waitForConnections(1, generousWait));

  reader.reset();
  // Whatever the threads posted while being stopped finds its registry gone and does nothing.
  platform.events.runPending();
  EXPECT_TRUE(endings.empty());
  EXPECT_TRUE(platform.messages.shown().empty());
  ASSERT_TRUE(mail.waitForSessions(1, generousWait));
  EXPECT_EQ(mail.sessions().at(0), "");
}

TEST_F(TransferRegistryTest, StartsAfterShutDownOrBeyondTheLimitAreDropped) {
  TestHttpServer web;
  web.neverAnswer("/slow");
  for (std::size_t index = 0; index <= maximumRunningTransfers; ++index) {
    TVoWebThread::start(*registry, web.url("/slow"), std::nullopt, nullptr);
  }
  EXPECT_EQ(registry->runningCount(), maximumRunningTransfers);
  registry->shutDown();
  EXPECT_EQ(registry->runningCount(), 0u);
  TVoWebThread::start(*registry, web.url("/fast"), std::nullopt, nullptr);
  EXPECT_EQ(registry->runningCount(), 0u);
  platform.events.runPending();
  EXPECT_TRUE(platform.messages.shown().empty());
}

}  // namespace
}  // namespace zeb::testing
