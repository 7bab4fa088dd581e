// The option lines of the wireless upload, built from the page, the recorded
// key types and the address choice of the IP settings dialog.
#include "app/KestruneMain.h"
#include "app/ansi.h"
#include "app/wireless_controls.h"
#include "dialogs/ip_config_file.h"

namespace {

// The words the device knows; a combo text matching none gives no line.
const QStringList kAuthModes{"OPEN", "SHARED", "WEPAUTO", "WPAPSK", "WPA2PSK", "WPANONE"};
const QStringList kEncryptions{"NONE", "WEP", "TKIP", "AES"};

void AppendEmptyKeys(QStringList& lines) {
  for (int key = 1; key <= kWepKeyCount; ++key)
    lines << QString("Key%1Type=0").arg(key) << QString("Key%1Str=").arg(key);
}

}  // namespace

QStringList TKestrune::BuildWirelessOptionList() {
  QStringList lines;
  if (ActiveRadio->Checked()) {
    lines << "WIFI=1";
    lines << "SSID=" + TrimBlanks(WirelessNetEdt->text());
    if (WirelessModelCob->ItemIndex() == 0) lines << "NetworkType=Infra";
    if (WirelessModelCob->ItemIndex() == 1) lines << "NetworkType=Adhoc";
    if (kAuthModes.contains(AuthenticationTypeCob->Text()))
      lines << "AuthMode=" + AuthenticationTypeCob->Text();
    if (kEncryptions.contains(WepEncryptCob->Text()))
      lines << "EncrypType=" + WepEncryptCob->Text();

    const bool wep = OwnEnabled(WEPGroup);
    const bool wpa = OwnEnabled(WPAGroup);
    if (wep) {
      const auto radios = WepKeyRadios(*this);
      for (int k = 0; k < kWepKeyCount; ++k)
        if (radios[k]->Checked()) lines << QString("DefaultKeyID=%1").arg(k + 1);
      if (IsPasswordMode(PasswordModeCob->ItemIndex())) {
        const auto edits = WepKeyEdits(*this);
        for (int k = 0; k < kWepKeyCount; ++k) {
          const QString key = edits[k]->text();
          const QString type = key.isEmpty() ? "0" : WepKeyTypes[k];
          lines << QString("Key%1Type=").arg(k + 1) + type
                << QString("Key%1Str=").arg(k + 1) + TrimBlanks(key);
        }
      }
      lines << "WPAPSK=";
    }
    if (wpa) {
      lines << "WPAPSK=" + TrimBlanks(WAPpasswordEdit->text());
      AppendEmptyKeys(lines);
    }
    if (!wep && !wpa) {
      lines << "DefaultKeyID=1";
      AppendEmptyKeys(lines);
      lines << "WPAPSK=";
    }
  }
  if (DisableRadio->Checked()) lines << "WIFI=0";

  const IPConfigValues address = ReadIPConfig();
  if (address.choice == "0") lines << "wifidhcp=1";
  if (address.choice == "1")
    lines << "wifidhcp=0"
          << "wifiip=" + FromAnsi(address.address) << "wifimask=" + FromAnsi(address.mask)
          << "wifigateway=" + FromAnsi(address.gateway);
  return lines;
}
