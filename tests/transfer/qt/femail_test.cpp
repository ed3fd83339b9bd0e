// The e-mail settings window, and form transfers in the Qt event loop.
#include "transfer/qt/femail.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "platform/headless/memory_settings_store.h"
#include "platform/headless/recording_message_boxes.h"
#include "platform/qt/qt_event_queue.h"
#include "tests/support/test_http_server.h"
#include "tests/support/test_smtp_server.h"
#include "transfer/form_transfer.h"
#include "transfer/mail_settings.h"
#include "transfer/transfer_threads.h"

namespace zeb {
namespace {

constexpr int generousWaitMilliseconds = 60'000;

TEST(TFemail, ControlsAreNamedAndCarryTheirEnglishTexts) {
  MemorySettingsStore settings;
  TFemail window(settings);
  EXPECT_EQ(window.objectName(), "Femail");
  EXPECT_EQ(window.windowTitle(), "Email configuration");
  EXPECT_EQ(window.findChild<QLineEdit*>("Esmtp"), window.Esmtp());
  EXPECT_EQ(window.findChild<QLineEdit*>("Email"), window.Email());
  ASSERT_EQ(window.findChild<QPushButton*>("Button1"), window.Button1());
  EXPECT_EQ(window.Button1()->text(), "&Ok");
  const QLabel* note = window.findChild<QLabel*>("Label3");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->text(),
            "This is a one-time setup you should do for sending emails. You can change this later in Tools >Email "
            "options.");
  EXPECT_TRUE(window.findChild<QLabel*>("Label1")->text().contains("SMTP"));
  EXPECT_TRUE(window.findChild<QLabel*>("Label2")->text().contains("@"));
}

TEST(TFemail, ShowingReadsTheSettingsAndOkWritesThemBack) {
  MemorySettingsStore settings;
  writeMailSettings(settings, MailSettings{"anna@example.com", "smtp.example.com"});
  TFemail window(settings);
  window.show();
  EXPECT_EQ(window.Email()->text(), "anna@example.com");
  EXPECT_EQ(window.Esmtp()->text(), "smtp.example.com");
  window.Email()->setText(QString::fromUtf8("jos\xC3\xA9@example.com"));
  window.Esmtp()->setText("mail.example.com:587");
  QTest::mouseClick(window.Button1(), Qt::LeftButton);
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(settings.readString("\\SOFTWARE\\KX\\Quillmark_E\\options\\", "email1"), "jos\xE9@example.com");
  EXPECT_EQ(settings.readString("\\SOFTWARE\\KX\\Quillmark_E\\options\\", "smtp1"), "mail.example.com:587");
}

TEST(FormTransferInQt, AMailWithoutSenderShowsTheWindowFirstThenSendsFromTheAddressEntered) {
  MemorySettingsStore settings;
  RecordingMessageBoxes messages;
  QtEventQueue events;
  testing::TestSmtpServer server;
  TransferRegistry registry(events, messages);
  FormTransferService forms(registry, settings, mailSettingsPrompt(settings, nullptr));
  QString shownCaption;
  QTimer::singleShot(0, [&] {
    auto* window = qobject_cast<TFemail*>(QApplication::activeModalWidget());
    ASSERT_NE(window, nullptr);
    shownCaption = window->windowTitle();
    window->Email()->setText("anna@example.com");
    window->Esmtp()->setText(QString::fromStdString(server.hostAndPort()));
    QTest::mouseClick(window->Button1(), Qt::LeftButton);
  });
  forms.sendByMail("orders@example.com", "a=1%0d", "/books/guide.zeb");
  EXPECT_EQ(shownCaption, "Email configuration");
  ASSERT_TRUE(QTest::qWaitFor([&] { return registry.runningCount() == 0; }, generousWaitMilliseconds));
  ASSERT_TRUE(server.waitForSessions(1, std::chrono::milliseconds(generousWaitMilliseconds)));
  const std::string session = server.sessions().at(0);
  EXPECT_NE(session.find("\r\nMAIL FROM:<anna@example.com>\r\nRCPT TO:<orders@example.com>\r\n"), std::string::npos)
      << session;
  EXPECT_NE(session.find("\r\nSubject: Email from: (guide.zeb)\r\n\r\na=1%0d\r\n.\r\n"), std::string::npos) << session;
}

TEST(FormTransferInQt, EndingsRunOnTheUserInterfaceThreadAndAWebFormReportsItsStatus) {
  MemorySettingsStore settings;
  RecordingMessageBoxes messages;
  QtEventQueue events;
  testing::TestHttpServer server;
  server.answer("/missing", 404);
  TransferRegistry registry(events, messages);
  std::vector<QThread*> ranOn;
  TVoWebThread::start(registry, server.url("/ok"), std::nullopt, [&] { ranOn.push_back(QThread::currentThread()); });
  TVoMailThread::start(registry, MailRequest{}, [&] { ranOn.push_back(QThread::currentThread()); });
  FormTransferService forms(registry, settings, nullptr);
  forms.sendByWeb(server.url("/missing"), "a=x+y&b=1%262&");
  ASSERT_TRUE(QTest::qWaitFor([&] { return registry.runningCount() == 0; }, generousWaitMilliseconds));
  EXPECT_EQ(ranOn, (std::vector<QThread*>{qApp->thread(), qApp->thread()}));
  EXPECT_EQ(messages.shown(),
            (std::vector<ShownMessage>{{MessageKind::information, server.url("/missing") + " [404]"}}));
  const std::vector<testing::SeenHttpRequest> requests = server.requests();
  const auto posted = std::find_if(requests.begin(), requests.end(), [](const testing::SeenHttpRequest& request) {
    return request.target == "/missing";
  });
  ASSERT_NE(posted, requests.end());
  EXPECT_EQ(posted->method + " " + posted->body, "POST a=x+y&b=1%262&");
}

}  // namespace
}  // namespace zeb
