// The library's three exported functions.
#include "vandrel/torvak.h"

#include <strings.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "connection.h"
#include "protocol/frame.h"
#include "registry.h"
#include "serial_name.h"
#include "serial_open.h"
#include "tcp_open.h"

namespace {

constexpr int kConnectTimeoutMs = 3000;
constexpr int kHandshakeTimeoutMs = 1500;

std::shared_ptr<vandrel::Connection> Open(const char* module, const char* address,
                                          std::int32_t number, std::int32_t baud) {
  using vandrel::Connection;
  using vandrel::FdLink;
  // Module names compare like Windows file names: letter case does not count.
  if (strcasecmp(module, "brisel.dll") == 0) {
    const int fd = vandrel::OpenTcp(address, number, kConnectTimeoutMs);
    if (fd < 0) return nullptr;
    // Over TCP the peer is the one device; device number 0 addresses it.
    return std::make_shared<Connection>(std::make_unique<FdLink>(fd, true), 0, false);
  }
  if (strcasecmp(module, "camoret.dll") == 0) {
    if (number < 0 || number > 65535) return nullptr;
    const int fd = vandrel::OpenSerial(vandrel::SerialDevicePath(address), baud);
    if (fd < 0) return nullptr;
    return std::make_shared<Connection>(std::make_unique<FdLink>(fd, false),
                                        static_cast<std::uint16_t>(number), true);
  }
  return nullptr;
}

}  // namespace

extern "C" {

TORVAK_EXPORT int32_t TORVAK_CALL TORVAK_INIT(const char* module, const char* address,
                                              int32_t number, int32_t baud, int32_t, int32_t) {
  if (module == nullptr || address == nullptr) return 0;
  auto connection = Open(module, address, number, baud);
  if (!connection) return 0;
  if (!connection->Handshake(kHandshakeTimeoutMs)) {
    connection->Close();
    return 0;
  }
  const int32_t handle = vandrel::AddConnection(connection);
  if (handle == 0) connection->Close();
  return handle;
}

TORVAK_EXPORT int32_t TORVAK_CALL TORVAK_SENDCMD(int32_t handle, uint16_t* code, char* buffer,
                                                 int32_t size, int32_t length, int32_t timeoutMs) {
  if (code == nullptr) return 0;
  const auto connection = vandrel::FindConnection(handle);
  if (!connection) {
    *code = TORVAK_FAIL_NO_CONNECTION;
    return 0;
  }
  const bool badBuffer = buffer == nullptr && (size > 0 || length > 0);
  if (size < 0 || length < 0 || static_cast<std::size_t>(length) > protocol::kMaxPayload ||
      timeoutMs <= 0 || badBuffer) {
    *code = TORVAK_FAIL_ARGUMENT;
    return 0;
  }
  const vandrel::Reply reply =
      connection->Transact(*code, buffer, static_cast<std::size_t>(length), timeoutMs);
  *code = reply.code;
  if (!reply.fromDevice) return 0;
  const std::size_t n = std::min(reply.payload.size(), static_cast<std::size_t>(size));
  if (n > 0) std::memcpy(buffer, reply.payload.data(), n);
  return 1;
}

TORVAK_EXPORT int32_t TORVAK_CALL TORVAK_CLOSE(int32_t handle) {
  const auto connection = vandrel::RemoveConnection(handle);
  if (!connection) return 0;
  connection->Close();
  return 1;
}

}  // extern "C"
