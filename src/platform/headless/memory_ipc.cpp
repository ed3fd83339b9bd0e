// Inter-process commands within one process.
#include "platform/headless/memory_ipc.h"

namespace zeb {

MemoryIpcServer::~MemoryIpcServer() {
  if (line_.listener == this) line_.listener = nullptr;
}

bool MemoryIpcServer::listen(std::function<void(const std::string& macro)> onMacro) {
  if (line_.listener != nullptr && line_.listener != this) return false;
  line_.listener = this;
  onMacro_ = std::move(onMacro);
  return true;
}

void MemoryIpcServer::receive(const std::string& macro) {
  if (listening() && onMacro_) onMacro_(macro);
}

bool MemoryIpcClient::handOver(std::string_view macro) {
  if (macro.size() > maxIpcMacroBytes || line_.listener == nullptr) return false;
  handedOver.emplace_back(macro);
  line_.listener->receive(handedOver.back());
  return true;
}

}  // namespace zeb
