#include "dialogs/ip_config_file.h"

#include "platform/exedir.h"
#include "platform/ini.h"

namespace {

constexpr const char* kSection = "Config";

std::string Read(const char* key) {
  return platform::ReadProfileString(IPConfigPath(), kSection, key, "");
}

void Write(const char* key, const std::string& value) {
  platform::WriteProfileString(IPConfigPath(), kSection, key, value);
}

}  // namespace

std::string IPConfigPath() { return platform::ExecutableDirectory() + "IPconfig.ini"; }

IPConfigValues ReadIPConfig() {
  IPConfigValues values;
  values.address = Read("IPaddress");
  values.mask = Read("subMask");
  values.gateway = Read("GateWay");
  values.choice = Read("IPRadio");
  return values;
}

void WriteDhcpChoice() { Write("IPRadio", "0"); }

void WriteAssignedAddress(const std::string& address, const std::string& mask,
                          const std::string& gateway) {
  Write("IPaddress", address);
  Write("subMask", mask);
  Write("GateWay", gateway);
  Write("IPRadio", "1");
}
