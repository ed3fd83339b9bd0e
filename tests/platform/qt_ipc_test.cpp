// Inter-process commands over local sockets: handing a macro over, one reader per name,
// stale sockets, oversized messages, senders of other kinds and the socket removed at the end. Clients block, so they
// run on threads of their own while the test's thread runs the server's event loop.
#include "platform/qt/qt_ipc.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <future>
#include <thread>

#include "tests/support/temporary_folder.h"

namespace zeb {
namespace {

class QtIpc : public ::testing::Test {
 protected:
  void SetUp() override {
    savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(folder.path().string()));
  }
  void TearDown() override { qputenv("XDG_RUNTIME_DIR", savedRuntime); }

  // Runs the event loop until the work on the other thread is done, then its result.
  template <typename Result>
  Result whileServing(std::future<Result> work) {
    QElapsedTimer clock;
    clock.start();
    while (work.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready && clock.elapsed() < 10000)
      QCoreApplication::processEvents();
    return work.get();
  }
  void serveFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) QCoreApplication::processEvents();
  }
  bool handOver(const std::string& macro) {
    return whileServing(
        std::async(std::launch::async, [macro] { return QtIpcClient("reader-7", 2000).handOver(macro); }));
  }

  testing::TemporaryFolder folder;
  QByteArray savedRuntime;
  std::vector<std::string> received;
  std::function<void(const std::string&)> receive = [this](const std::string& macro) { received.push_back(macro); };
};

TEST_F(QtIpc, TheSocketLiesInTheRuntimeFolder) {
  EXPECT_EQ(ipcSocketPath("reader-7").toStdString(), (folder.path() / "reader-7").string());
  EXPECT_EQ(ipcServerName("/usr/lib/brightfold/brightfold.bin", 1000), "brightfold-1000");
  EXPECT_EQ(ipcServerName("brightfold", 0), "brightfold-0");
}

TEST_F(QtIpc, AMacroIsHandedOverAndArrivesFromTheEventLoop) {
  QtIpcServer server("reader-7");
  ASSERT_TRUE(server.listen(receive));
  const std::string macro = "SHOW /b/citt\xE0.zeb|12\r\nsecond line";
  EXPECT_TRUE(handOver(macro));
  serveFor(50);
  EXPECT_EQ(received, std::vector<std::string>{macro});
}

TEST_F(QtIpc, OneReaderPerName) {
  QtIpcServer first("reader-7");
  ASSERT_TRUE(first.listen(receive));
  QtIpcServer second("reader-7");
  EXPECT_FALSE(second.listen(receive));
  EXPECT_FALSE(second.listening());
  EXPECT_TRUE(handOver("SHOW a.zeb|1"));
  serveFor(50);
  EXPECT_EQ(received.size(), 1u);
}

TEST_F(QtIpc, NobodyListeningMeansNobodyAnswered) {
  EXPECT_FALSE(handOver("SHOW a.zeb|1"));
  QtIpcServer server("reader-7");
  ASSERT_TRUE(server.listen(receive));
  EXPECT_FALSE(handOver(std::string(maxIpcMacroBytes + 1, 'x')));
  EXPECT_TRUE(received.empty());
}

TEST_F(QtIpc, AStaleSocketLeftByACrashIsReplaced) {
  // A socket file that nobody listens on, as a reader that was killed leaves it.
  const std::string path = (folder.path() / "reader-7").string();
  const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(descriptor);
  ASSERT_TRUE(std::filesystem::exists(path));

  EXPECT_FALSE(handOver("SHOW a.zeb|1"));
  QtIpcServer server("reader-7");
  ASSERT_TRUE(server.listen(receive));
  EXPECT_TRUE(handOver("SHOW a.zeb|1"));
  serveFor(50);
  EXPECT_EQ(received, std::vector<std::string>{"SHOW a.zeb|1"});
}

TEST_F(QtIpc, AnOversizedMessageIsRefused) {
  QtIpcServer server("reader-7");
  ASSERT_TRUE(server.listen(receive));
  const bool answered = whileServing(std::async(std::launch::async, [] {
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ipcSocketPath("reader-7").toStdString().copy(address.sun_path, sizeof address.sun_path - 1);
    if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
      ::close(socket);
      return true;
    }
    const char header[4] = {0x00, 0x00, 0x10, 0x00};  // a megabyte announced
    const std::string body(100, 'x');
    const bool sent = ::write(socket, header, 4) == 4 && ::write(socket, body.data(), body.size()) == 100;
    char reply[8];
    const timeval limit{2, 0};
    ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    const ssize_t count = sent ? ::read(socket, reply, sizeof reply) : 0;
    ::close(socket);
    return count > 0;
  }));
  EXPECT_FALSE(answered);
  serveFor(20);
  EXPECT_TRUE(received.empty());
}

TEST_F(QtIpc, AMessageSentInPiecesArrivesWholeAndTheSocketGoesWithTheServer) {
  std::filesystem::path socketFile;
  {
    QtIpcServer server("reader-7");
    ASSERT_TRUE(server.listen(receive));
    socketFile = server.socketPath().toStdString();
    EXPECT_EQ(std::filesystem::status(socketFile).permissions() & std::filesystem::perms::others_all,
              std::filesystem::perms::none);
    const std::string reply = whileServing(std::async(std::launch::async, [] {
      const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      ipcSocketPath("reader-7").toStdString().copy(address.sun_path, sizeof address.sun_path - 1);
      std::string answer;
      if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        const char header[4] = {12, 0, 0, 0};
        for (const std::string_view piece : {std::string_view(header, 2), std::string_view(header + 2, 2),
                                             std::string_view("SHOW a"), std::string_view(".zeb|1")}) {
          if (::write(socket, piece.data(), piece.size()) != static_cast<ssize_t>(piece.size())) break;
          std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        char buffer[8];
        const ssize_t count = ::read(socket, buffer, sizeof buffer);
        if (count > 0) answer.assign(buffer, static_cast<std::size_t>(count));
      }
      ::close(socket);
      return answer;
    }));
    EXPECT_EQ(reply, "OK\n");
    serveFor(20);
    EXPECT_EQ(received, std::vector<std::string>{"SHOW a.zeb|1"});
  }
  EXPECT_FALSE(std::filesystem::exists(socketFile));
  EXPECT_FALSE(handOver("SHOW a.zeb|1"));
}

}  // namespace
}  // namespace zeb
