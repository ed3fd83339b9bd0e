// Mail sent by forms, against a loopback SMTP server that records every byte it receives.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <regex>

#include "tests/support/test_smtp_server.h"
#include "tests/transfer/transfer_fixture.h"
#include "transfer/form_transfer.h"
#include "transfer/mail_settings.h"

namespace zeb::testing {
namespace {

using MailTransfer = TransferTest;

// A session with the parts that change from run to run replaced: the machine's name in
// EHLO and HELO, the message identifier and the date.
std::string withStableStamps(std::string session) {
  std::array<char, 256> host{};
  gethostname(host.data(), host.size() - 1);
  session = std::regex_replace(session, std::regex("(EHLO|HELO) " + std::string(host.data()) + "\r\n"), "$1 HOST\r\n");
  session = std::regex_replace(session, std::regex("\r\nMessage-ID: <[0-9a-f]{16}\\.[0-9a-f]+@[-.a-zA-Z0-9]+>\r\n"),
                               "\r\nMessage-ID: <ID>\r\n");
  return std::regex_replace(
      session,
      std::regex(
          "\r\nDate: [A-Z][a-z]{2}, [0-9]{2} [A-Z][a-z]{2} [0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2} [-+][0-9]{4}\r\n"),
      "\r\nDate: DATE\r\n");
}

MailRequest plainRequest(const TestSmtpServer& server) {
  return MailRequest{"anna@example.com", "orders@example.com", server.hostAndPort(), "Hello", "Body\r\n"};
}

TEST_F(MailTransfer, AMailedFormReachesTheServerByteForByte) {
  TestSmtpServer server;
  writeMailSettings(platform.settings, MailSettings{"anna@example.com", server.hostAndPort()});
  bool asked = false;
  FormTransferService forms(*registry, platform.settings, [&] { asked = true; });
  // A form of method 4: an edit, a memo (escaped for mail), a hidden field and the button
  // (both taken unchanged, so the hidden value's line breaks and "." line are sent as they are).
  const std::string data = "name=Anna Rossi%0dcomment=pay %26 ship%0dorder=A1\r\n.\r\n.B2%0dsend=Send%0d";
  forms.sendByMail("mailto:orders@example.com", data, "/home/anna/books/guide.zeb");
  ASSERT_TRUE(runUntilIdle());
  ASSERT_TRUE(server.waitForSessions(1, generousWait));

  EXPECT_FALSE(asked);
  EXPECT_EQ(withStableStamps(server.sessions().at(0)),
            "EHLO HOST\r\n"
            "MAIL FROM:<anna@example.com>\r\n"
            "RCPT TO:<orders@example.com>\r\n"
            "DATA\r\n"
            "To: orders@example.com\r\n"
            "From: anna@example.com\r\n"
            "Message-ID: <ID>\r\n"
            "Date: DATE\r\n"
            "Subject: Email from: (guide.zeb)\r\n"
            "\r\n"
            "name=Anna Rossi%0dcomment=pay %26 ship%0dorder=A1\r\n"
            ",\r\n"
            "..B2%0dsend=Send%0d\r\n"
            ".\r\n"
            "QUIT\r\n");
  // As stored by the server: the "." line arrived as ",", the line starting with a dot intact.
  const std::string message = server.messages().at(0);
  EXPECT_TRUE(
      message.ends_with("\r\n\r\nname=Anna Rossi%0dcomment=pay %26 ship%0dorder=A1\r\n,\r\n.B2%0dsend=Send%0d\r\n"))
      << message;
}

TEST_F(MailTransfer, AnEmptySenderAsksForTheSettingsFirst) {
  TestSmtpServer server;
  int asked = 0;
  FormTransferService forms(*registry, platform.settings, [&] {
    ++asked;
    writeMailSettings(platform.settings, MailSettings{"new@example.com", server.hostAndPort()});
  });
  forms.sendByMail("orders@example.com", "a=1%0d", "book.zeb");
  ASSERT_TRUE(runUntilIdle());
  forms.sendByMail("orders@example.com", "a=2%0d", "book.zeb");
  ASSERT_TRUE(runUntilIdle());
  ASSERT_TRUE(server.waitForSessions(2, generousWait));
  EXPECT_EQ(asked, 1);
  for (const std::string& session : server.sessions()) {
    EXPECT_NE(session.find("\r\nMAIL FROM:<new@example.com>\r\n"), std::string::npos) << session;
  }
}

TEST_F(MailTransfer, LineBreaksInValuesNeverMakeAnotherHeaderOrCommand) {
  TestSmtpServer server;
  MailRequest request = plainRequest(server);
  request.sender = "anna@example.com>\r\nRCPT TO:<spy@example.com";
  request.recipient = "orders@example.com\r\n";
  request.subject = "Hello\r\nBcc: spy@example.com";
  bool ended = false;
  TVoMailThread::start(*registry, request, [&] { ended = true; });
  ASSERT_TRUE(runUntilIdle());
  ASSERT_TRUE(server.waitForSessions(1, generousWait));
  EXPECT_TRUE(ended);
  const std::string session = server.sessions().at(0);
  EXPECT_EQ(session.find("\r\nRCPT TO:<spy@example.com"), std::string::npos) << session;
  EXPECT_EQ(session.find("\r\nBcc:"), std::string::npos) << session;
  EXPECT_NE(session.find("\r\nSubject: HelloBcc: spy@example.com\r\n"), std::string::npos) << session;
  EXPECT_NE(session.find("\r\nTo: orders@example.com\r\nFrom: anna@example.com>RCPT TO:<spy@example.com\r\n"),
            std::string::npos)
      << session;
}

TEST_F(MailTransfer, StartTlsIsAskedForWhenOfferedAndHeloWhenEhloIsRefused) {
  TestSmtpServer offering(SmtpServerOptions{.offerStartTls = true});
  TestSmtpServer oldServer(SmtpServerOptions{.refuseEhlo = true});
  TVoMailThread::start(*registry, plainRequest(offering), nullptr);
  TVoMailThread::start(*registry, plainRequest(oldServer), nullptr);
  ASSERT_TRUE(runUntilIdle());
  ASSERT_TRUE(offering.waitForSessions(1, generousWait));
  ASSERT_TRUE(oldServer.waitForSessions(1, generousWait));
  // This server cannot switch to TLS and says so; the message then goes in the clear.
  EXPECT_NE(withStableStamps(offering.sessions().at(0)).find("EHLO HOST\r\nSTARTTLS\r\n"), std::string::npos);
  EXPECT_EQ(offering.messages().size(), 1u);
  EXPECT_TRUE(withStableStamps(oldServer.sessions().at(0)).starts_with("EHLO HOST\r\nHELO HOST\r\nMAIL FROM:"))
      << oldServer.sessions().at(0);
  EXPECT_EQ(oldServer.messages().size(), 1u);
}

TEST_F(MailTransfer, RefusalsAndBadServersEndQuietlyWithTheCallback) {
  TestSmtpServer refusing(SmtpServerOptions{.refuseRecipient = true});
  TestSmtpServer silent(SmtpServerOptions{.neverGreet = true});
  TransferLimits limits = testLimits();
  limits.mail = std::chrono::seconds(1);
  useLimits(limits);
  int ended = 0;
  const auto countEnd = [&] { ++ended; };
  TVoMailThread::start(*registry, plainRequest(refusing), countEnd);
  TVoMailThread::start(*registry, plainRequest(silent), countEnd);
  for (const std::string& server :
       {"127.0.0.1:" + std::to_string(closedLoopbackPort()), std::string("127.0.0.1/x"), std::string()}) {
    MailRequest request = plainRequest(refusing);
    request.server = server;
    TVoMailThread::start(*registry, request, countEnd);
  }
  ASSERT_TRUE(runUntilIdle());
  EXPECT_EQ(ended, 5);
  EXPECT_TRUE(platform.messages.shown().empty());
  ASSERT_TRUE(refusing.waitForSessions(1, generousWait));
  EXPECT_TRUE(refusing.messages().empty());
  EXPECT_EQ(refusing.sessions().at(0).find("DATA"), std::string::npos);
  EXPECT_EQ(refusing.sessions().size(), 1u);
}

}  // namespace
}  // namespace zeb::testing
