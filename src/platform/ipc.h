// Inter-process commands: the running reader receives macros ("SHOW /books/a.zeb|12") that
// other processes of the same user hand it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zeb {

// No macro is longer; a longer message is refused.
inline constexpr std::size_t maxIpcMacroBytes = 4096;

// The name the reader's server is known by: the executable's file name cut at its first
// ".", a "-", and the user's numeric ID ("brightfold-1000").
std::string ipcServerName(std::string_view executablePath, std::uint32_t userId);

class IpcServer {
 public:
  virtual ~IpcServer() = default;
  // Starts receiving. Each macro (Windows-1252 bytes) reaches the handler on the user-
  // interface thread, after the sender has been told it arrived. False when another reader
  // of the user receives them already, or the name cannot be taken.
  virtual bool listen(std::function<void(const std::string& macro)> onMacro) = 0;
  virtual bool listening() const = 0;
};

class IpcClient {
 public:
  virtual ~IpcClient() = default;
  // Hands the macro to the running reader; true when one answered that it received it.
  virtual bool handOver(std::string_view macro) = 0;
};

}  // namespace zeb
