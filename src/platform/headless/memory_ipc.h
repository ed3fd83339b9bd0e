// Inter-process commands within one process, for tests: a client hands its macro at once to
// the server listening on the same line.
#pragma once

#include <string>
#include <vector>

#include "platform/ipc.h"

namespace zeb {

class MemoryIpcServer;

// What a running reader's name is on the machine: at most one server listens on it.
struct MemoryIpcLine {
  MemoryIpcServer* listener = nullptr;
};

class MemoryIpcServer final : public IpcServer {
 public:
  explicit MemoryIpcServer(MemoryIpcLine& line) : line_(line) {}
  ~MemoryIpcServer() override;
  MemoryIpcServer(const MemoryIpcServer&) = delete;
  MemoryIpcServer& operator=(const MemoryIpcServer&) = delete;

  bool listen(std::function<void(const std::string& macro)> onMacro) override;
  bool listening() const override { return line_.listener == this; }
  // A macro arriving from another process.
  void receive(const std::string& macro);

 private:
  MemoryIpcLine& line_;
  std::function<void(const std::string&)> onMacro_;
};

class MemoryIpcClient final : public IpcClient {
 public:
  explicit MemoryIpcClient(MemoryIpcLine& line) : line_(line) {}
  bool handOver(std::string_view macro) override;
  std::vector<std::string> handedOver;  // every macro a server answered

 private:
  MemoryIpcLine& line_;
};

}  // namespace zeb
