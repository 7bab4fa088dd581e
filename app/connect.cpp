#include "app/connect.h"

#include "app/ansi.h"
#include "platform/convert.h"

namespace {

std::int32_t ToInt(const QString& text) { return platform::StrToInt(Ansi(text)); }
std::uint16_t ToWord(const QString& text) { return platform::CheckedWord(ToInt(text)); }

}  // namespace

Vandrel::ConnectionHandle ConnectTcp(void* owner, const QString& address, const QString& port) {
  Vandrel::FlushArpCache(owner);
  const std::uint16_t number = ToWord(port);
  Vandrel::ActiveConnection =
      Vandrel::TORVAK_INIT("brisel.dll", Ansi(address).c_str(), number, 0, 0, 0);
  return Vandrel::ActiveConnection;
}

Vandrel::ConnectionHandle ConnectSerial(const QString& portName, const QString& deviceNumber,
                                        const QString& baudRate) {
  Vandrel::KillProcessByName("dulvane.dll");
  const std::int32_t baud = ToInt(baudRate);
  const std::uint16_t number = ToWord(deviceNumber);
  Vandrel::ActiveConnection =
      Vandrel::TORVAK_INIT("camoret.dll", Ansi(portName).c_str(), number, baud, 0, 0);
  return Vandrel::ActiveConnection;
}
