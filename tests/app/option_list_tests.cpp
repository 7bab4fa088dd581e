// The wireless option list for the page's situations.
#include <fstream>

#include "dialogs/ip_config_file.h"
#include "wireless_fixture.h"

namespace app_tests {
namespace {

void StoreAddressChoice(const char* text) {
  std::ofstream(BesideExecutable("IPconfig.ini"), std::ios::binary) << text;
}

const char* const kDhcp = "[Config]\r\nIPRadio=0\r\n";
const char* const kFixed =
    "[Config]\r\nIPaddress=10.1.2.3\r\nsubMask=255.0.0.0\r\nGateWay=10.1.2.1\r\nIPRadio=1\r\n";

const QStringList kEmptyKeys{"Key1Type=0", "Key1Str=", "Key2Type=0", "Key2Str=",
                             "Key3Type=0", "Key3Str=", "Key4Type=0", "Key4Str="};

struct ListCase {
  const char* label;
  const char* ipConfig;  // nullptr: no file
  std::function<void(TKestrune&)> arrange;
  QStringList expected;
};

class OptionListTable : public WirelessTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(OptionListTable, BuildsTheLines) {
  const ListCase& c = GetParam();
  if (c.ipConfig) StoreAddressChoice(c.ipConfig);
  TKestrune& w = Window();
  w.WirelessNetEdt->setText(" home net ");
  c.arrange(w);
  const QString before = w.WepPasswordEdt1->text();
  EXPECT_EQ(w.BuildWirelessOptionList(), c.expected);
  EXPECT_EQ(w.WepPasswordEdt1->text(), before) << "building changes nothing";
}

// Key 1 typed and left in the current password mode.
void EnterKey1(TKestrune& w, const char* key) {
  w.WepPasswordEdt1->setText(key);
  w.WepPasswordEdt1Exit();
}

INSTANTIATE_TEST_SUITE_P(
    Situations, OptionListTable,
    ::testing::Values(
        ListCase{"OpenAtStart", kDhcp, [](TKestrune&) {},
                 QStringList{"WIFI=1", "SSID=home net", "NetworkType=Infra", "AuthMode=OPEN",
                             "EncrypType=NONE", "DefaultKeyID=1"} +
                     kEmptyKeys + QStringList{"WPAPSK=", "wifidhcp=1"}},
        ListCase{"WepKey1Only", kDhcp,
                 [](TKestrune& w) {
                   Choose(w.AuthenticationTypeCob, 1);  // SHARED: WEP, key 1 the default
                   Choose(w.PasswordModeCob, 2);
                   EnterKey1(w, " abcd5 ");  // 7 characters: type "1" recorded
                 },
                 QStringList{"WIFI=1", "SSID=home net", "NetworkType=Infra", "AuthMode=SHARED",
                             "EncrypType=WEP", "DefaultKeyID=1", "Key1Type=1", "Key1Str=abcd5",
                             "Key2Type=0", "Key2Str=", "Key3Type=0", "Key3Str=", "Key4Type=0",
                             "Key4Str=", "WPAPSK=", "wifidhcp=1"}},
        ListCase{"Wpa2FixedAddress", kFixed,
                 [](TKestrune& w) {
                   Choose(w.AuthenticationTypeCob, 4);  // WPA2PSK
                   Choose(w.WepEncryptCob, 1);          // AES
                   w.WAPpasswordEdit->setText(" secret phrase\t");
                 },
                 QStringList{"WIFI=1", "SSID=home net", "NetworkType=Infra", "AuthMode=WPA2PSK",
                             "EncrypType=AES", "WPAPSK=secret phrase"} +
                     kEmptyKeys +
                     QStringList{"wifidhcp=0", "wifiip=10.1.2.3", "wifimask=255.0.0.0",
                                 "wifigateway=10.1.2.1"}},
        ListCase{"AdapterOff", kDhcp,
                 [](TKestrune& w) {
                   Choose(w.AuthenticationTypeCob, 1);
                   w.DisableRadio->click();
                 },
                 QStringList{"WIFI=0", "wifidhcp=1"}},
        ListCase{"BlankAndNeverLeftKeys", nullptr,
                 [](TKestrune& w) {
                   Choose(w.WirelessModelCob, 1);  // ad-hoc: WEP, key 1 the default
                   Choose(w.PasswordModeCob, 2);
                   w.WepPasswordEdt2->setText("abcde");
                   w.WepPasswordEdt2Exit();              // type "1"
                   w.WepPasswordEdt2->setText("   ");    // blank now, type kept
                   w.WepPasswordEdt3->setText("abcde");  // never left: type "0"
                   Choose(w.PasswordModeCob, 3);         // the mode does not change the lines
                 },
                 QStringList{"WIFI=1", "SSID=home net", "NetworkType=Adhoc", "AuthMode=OPEN",
                             "EncrypType=WEP", "DefaultKeyID=1", "Key1Type=0",
                             "Key1Str=", "Key2Type=1", "Key2Str=", "Key3Type=0", "Key3Str=abcde",
                             "Key4Type=0", "Key4Str=", "WPAPSK="}},
        ListCase{"FixedChoiceWithEmptyAddresses", "[Config]\nIPRadio=1\n",
                 [](TKestrune& w) { w.DisableRadio->click(); },
                 QStringList{"WIFI=0", "wifidhcp=0", "wifiip=", "wifimask=", "wifigateway="}}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace app_tests
