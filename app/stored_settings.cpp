#include "app/stored_settings.h"

#include "app/ansi.h"
#include "platform/exedir.h"
#include "platform/ini.h"

namespace {

const std::string kSection = "Config";

void Write(const char* key, const QString& value) {
  platform::WriteProfileString(Ansi(StoredSettingsPath()), kSection, key, Ansi(value));
}

}  // namespace

QString StoredSettingsPath() { return FromAnsi(platform::ExecutableDirectory() + "options.ini"); }

QString ReadStoredSetting(const QString& key) {
  return FromAnsi(platform::ReadProfileString(Ansi(StoredSettingsPath()), kSection, Ansi(key), ""));
}

void SaveNetworkSettings(const QString& address, const QString& port) {
  Write("locatIP", address);
  Write("Port", port);
}

void SaveSerialSettings(const QString& deviceId, const QString& comPort, const QString& baudRate) {
  Write("DeviceID", deviceId);
  Write("COMPort", comPort);
  Write("Baudrate", baudRate);
}
