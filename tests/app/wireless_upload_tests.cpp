// The wireless page's Set button against the recording library.
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "app/stored_settings.h"
#include "wireless_fixture.h"

namespace app_tests {
namespace {

using platform::BoxKind;
using testing_support::Command;

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class WirelessUpload : public WirelessTest {
 protected:
  void SetUp() override {
    WirelessTest::SetUp();
    std::ofstream(BesideExecutable("IPconfig.ini")) << "[Config]\nIPRadio=0\n";
  }
  // A page that passes every check: network name, address, port.
  TKestrune& Ready() {
    TKestrune& w = Window();
    w.WirelessNetEdt->setText("office");
    w.AddressIP->SetText("10.0.0.2");
    w.PortEdtWire->setText("4370");
    return w;
  }
  void UseSerial(TKestrune& w) {
    w.RS232Radio->click();
    w.DeviceIdEdt->setText("2");
    w.ComIDEdit->setText("3");
    w.BaudRateEdit->setText("9600");
  }
  bool OptionsFileExists() { return std::filesystem::exists(BesideExecutable("options.ini")); }
  void ExpectKeyModesForgotten() {
    for (int mode : WepKeyModes) EXPECT_EQ(mode, kNoRecordedMode);
  }
};

struct CheckCase {
  const char* label;
  bool serial;
  const char* field;  // emptied (AddressIP: cleared)
  BoxKind kind;
  const char* caption;
  const char* text;
};

class WirelessInputChecks : public WirelessUpload,
                            public ::testing::WithParamInterface<CheckCase> {};

TEST_P(WirelessInputChecks, RefuseAndFocusTheField) {
  const CheckCase& c = GetParam();
  ShowWirelessPage();
  TKestrune& w = Ready();
  if (c.serial) UseSerial(w);
  QWidget* field = w.findChild<QWidget*>(c.field);
  if (auto* ip = qobject_cast<platform::TJvIPAddress*>(field))
    ip->SetText("");
  else
    qobject_cast<QLineEdit*>(field)->setText(" ");
  WepKeyModes.fill(1);
  w.SetBitB->click();

  EXPECT_EQ(boxes.Boxes(), std::vector{Box(c.kind, c.caption, c.text)});
  EXPECT_TRUE(field->hasFocus() || field->isAncestorOf(QApplication::focusWidget()));
  EXPECT_TRUE(fake.preparations.empty());
  EXPECT_TRUE(fake->inits.empty());
  EXPECT_FALSE(OptionsFileExists());
  ExpectKeyModesForgotten();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WirelessInputChecks,
    ::testing::Values(CheckCase{"NetworkName", false, "WirelessNetEdt", BoxKind::Information,
                                "Information",
                                "ID(SSID) can not be null,you must input it,please!"},
                      CheckCase{"Address", false, "AddressIP", BoxKind::Warning, "提示",
                                "AddressIP can not be null,you must input it ,pls!"},
                      CheckCase{"Port", false, "PortEdtWire", BoxKind::Warning, "notice",
                                "PortEdtWire can not be null,you must input it ,pls!"},
                      CheckCase{"DeviceNumber", true, "DeviceIdEdt", BoxKind::Warning, "notice",
                                "DeviceId can not be null,you must input it ,pls!"},
                      CheckCase{"ComPort", true, "ComIDEdit", BoxKind::Warning, "notice",
                                "ComPort can not be null,you must input it ,pls!"},
                      CheckCase{"BaudRate", true, "BaudRateEdit", BoxKind::Warning, "notice",
                                "BaudRate can not be null,you must input it ,pls!"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(WirelessUpload, SerialHalfDoesNotCheckTheNetworkName) {
  TKestrune& w = Ready();
  UseSerial(w);
  w.WirelessNetEdt->setText("  ");
  w.SetBitB->click();
  ASSERT_EQ(fake->inits.size(), 1u);
  const auto writes = fake->Writes();
  EXPECT_NE(std::find(writes.begin(), writes.end(), "WIFI=1"), writes.end());
}

TEST_F(WirelessUpload, ShortKeyNamesTheLowestAndSelectsItsMode) {
  ShowWirelessPage();
  TKestrune& w = Ready();
  Choose(w.AuthenticationTypeCob, 1);  // WEP layout
  Choose(w.PasswordModeCob, 3);
  w.WepPasswordEdt2->setText("short");
  w.WepPasswordEdt2Exit();  // 5 < 13: "p2=3"
  Choose(w.PasswordModeCob, 1);
  w.WepPasswordEdt3->setText("0123456789");
  w.WepPasswordEdt3Exit();  // 10 < 26: "p3=1"
  Choose(w.PasswordModeCob, 0);
  const int maxLengthBefore = w.WepPasswordEdt1->MaxLength();

  w.SetBitB->click();
  EXPECT_EQ(boxes.Boxes(), std::vector{Box(BoxKind::Warning, "notice",
                                           "Password 2,please input 128-bit(104+24)-13 ASCII "
                                           "characters")});
  EXPECT_EQ(w.PasswordModeCob->ItemIndex(), 3);
  EXPECT_EQ(w.WepPasswordEdt1->MaxLength(), maxLengthBefore) << "the mode's handler did not run";
  EXPECT_TRUE(w.WepPasswordEdt2->hasFocus());
  EXPECT_TRUE(fake->inits.empty());
  EXPECT_EQ(w.ShortKeyMarks, nullptr);
  ExpectKeyModesForgotten();
}

TEST_F(WirelessUpload, CancelSendsAndWritesNothing) {
  TKestrune& w = Ready();
  WepKeyModes.fill(0);
  boxes.Answer({false});
  w.SetBitB->click();
  const platform::RecordedBox cancelled{BoxKind::Confirmation, "Confirm",
                                        QString::fromUtf8("Are you  sure to set ？"), false};
  EXPECT_EQ(boxes.Boxes(), std::vector{cancelled});
  EXPECT_TRUE(fake.preparations.empty());
  EXPECT_TRUE(fake->inits.empty());
  EXPECT_FALSE(OptionsFileExists());
  ExpectKeyModesForgotten();
}

TEST_F(WirelessUpload, TcpRunSendsInOrderAndRestartsAfterFullSuccess) {
  TKestrune& w = Ready();
  w.SetBitB->click();
  ASSERT_EQ(fake->inits.size(), 1u);
  EXPECT_EQ(fake.preparations, std::vector<std::string>{"arp"});
  EXPECT_EQ(fake->inits[0].module, "brisel.dll");
  EXPECT_EQ(fake->inits[0].address, "10.0.0.2");
  EXPECT_EQ(fake->inits[0].number, 4370);

  const auto codes = fake->Codes();
  EXPECT_EQ(std::vector<std::uint16_t>(codes.begin(), codes.begin() + 3),
            (std::vector<std::uint16_t>{1003, 11, 11}));
  EXPECT_EQ(std::vector<std::uint16_t>(codes.end() - 4, codes.end()),
            (std::vector<std::uint16_t>{1004, 1002, 1002, 1014}));
  EXPECT_EQ(fake->closes.size(), 1u);
  EXPECT_EQ(boxes.Boxes().back(),
            Box(BoxKind::Information, "Information", "Set successfully! Device Will restart"));

  // The record: the lines, CR LF each, then only this transport's keys.
  const std::string text = FileText(BesideExecutable("options.ini"));
  EXPECT_EQ(text.rfind("WIFI=1\r\nSSID=office\r\nNetworkType=Infra\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("wifidhcp=1\r\n[Config]\r\nlocatIP=10.0.0.2\r\nPort=4370\r\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("Baudrate"), std::string::npos);
  struct stat st {};
  ASSERT_EQ(stat(BesideExecutable("options.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);

  window.reset();
  TKestrune& next = Window();
  EXPECT_EQ(next.AddressIP->Text(), "10.0.0.2");
  EXPECT_EQ(next.BaudRateEdit->text(), "57600");
}

TEST_F(WirelessUpload, SerialRunStoresOnlyTheSerialKeys) {
  std::ofstream(BesideExecutable("options.ini")) << "[Config]\nlocatIP=10.9.9.9\nPort=1\n";
  TKestrune& w = Ready();
  UseSerial(w);
  w.SetBitB->click();
  ASSERT_EQ(fake->inits.size(), 1u);
  EXPECT_EQ(fake.preparations, std::vector<std::string>{"kill:dulvane.dll"});
  EXPECT_EQ(fake->inits[0].module, "camoret.dll");
  EXPECT_EQ(fake->inits[0].address, "COM3");
  EXPECT_EQ(fake->inits[0].number, 2);
  EXPECT_EQ(fake->inits[0].baud, 9600);
  EXPECT_EQ(boxes.Boxes().front().text, QString::fromUtf8("Are you sure to set ？"));
  EXPECT_EQ(boxes.Boxes().back(),
            Box(BoxKind::Warning, "notice", "Set successfully! Device will restart"));
  const std::string text = FileText(BesideExecutable("options.ini"));
  EXPECT_NE(text.find("[Config]\r\nDeviceID=2\r\nCOMPort=3\r\nBaudrate=9600\r\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("locatIP"), std::string::npos);

  window.reset();
  TKestrune& next = Window();
  EXPECT_EQ(next.AddressIP->Text(), "192.168.1.201");
  EXPECT_EQ(next.PortEdtWire->text(), "4370");
  EXPECT_EQ(next.BaudRateEdit->text(), "9600");
}

TEST_F(WirelessUpload, RejectedLineGivesSetFaliWithoutRestart) {
  TKestrune& w = Ready();
  UseSerial(w);
  fake->replyFor = [](const Command& c) {
    const bool ssid = c.code == Vandrel::CMD_WRITE_OPTION && c.request.rfind("SSID=", 0) == 0;
    return ssid ? std::uint16_t{9} : Vandrel::REPLY_OK;
  };
  w.SetBitB->click();
  EXPECT_EQ(boxes.Boxes().back(), Box(BoxKind::Warning, "notice", "Set fali!"));
  const auto codes = fake->Codes();
  EXPECT_EQ(std::count(codes.begin(), codes.end(), Vandrel::CMD_RESTART), 0);
  EXPECT_EQ(std::vector<std::uint16_t>(codes.end() - 3, codes.end()),
            (std::vector<std::uint16_t>{1002, 1002, 1014}));
  EXPECT_EQ(fake->closes.size(), 1u);
  EXPECT_TRUE(OptionsFileExists());
}

struct ConversionCase {
  const char* label;
  bool serial;
  const char* field;
  const char* text;
  const char* message;
};

class WirelessConversions : public WirelessUpload,
                            public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(WirelessConversions, EndTheClickBeforeConnecting) {
  const ConversionCase& c = GetParam();
  TKestrune& w = Ready();
  if (c.serial) UseSerial(w);
  w.DisableRadio->click();  // no input checks: the empty fields reach the conversion
  w.findChild<QLineEdit*>(c.field)->setText(c.text);
  w.SetBitB->click();
  ASSERT_EQ(boxes.Boxes().size(), 2u);
  EXPECT_EQ(boxes.Boxes()[0].kind, BoxKind::Confirmation);
  EXPECT_EQ(boxes.Boxes()[1], Box(BoxKind::Error, "Pellmora", c.message));
  EXPECT_EQ(fake.preparations.size(), 1u);
  EXPECT_TRUE(fake->inits.empty());
  EXPECT_FALSE(OptionsFileExists());
}

INSTANTIATE_TEST_SUITE_P(Rows, WirelessConversions,
                         ::testing::Values(ConversionCase{"EmptyPort", false, "PortEdtWire", "",
                                                          "'' is not a valid integer value."},
                                           ConversionCase{"PortTooLarge", false, "PortEdtWire",
                                                          "65536", "Range check error."},
                                           ConversionCase{"EmptyBaudRate", true, "BaudRateEdit", "",
                                                          "'' is not a valid integer value."},
                                           ConversionCase{"DeviceTooLarge", true, "DeviceIdEdt",
                                                          "65536", "Range check error."}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(WirelessUpload, AdapterOffSendsWifiOffAndTheAddressChoice) {
  TKestrune& w = Ready();
  w.DisableRadio->click();
  w.SetBitB->click();
  EXPECT_EQ(fake->Writes(), (std::vector<std::string>{"WIFI=0", "wifidhcp=1"}));
}

TEST_F(WirelessUpload, NoConnectionWritesNoFile) {
  fake->handleToReturn = 0;
  Ready().SetBitB->click();
  EXPECT_EQ(boxes.Boxes().back(),
            Box(BoxKind::Information, "Information", "can not connect with device"));
  EXPECT_TRUE(fake->commands.empty());
  EXPECT_FALSE(OptionsFileExists());
}

TEST_F(WirelessUpload, RefusedRecordStillEndsTheExchangeAndCloses) {
  std::filesystem::create_directory(BesideExecutable("options.ini"));  // cannot be replaced
  Ready().SetBitB->click();
  std::filesystem::remove(BesideExecutable("options.ini"));
  ASSERT_EQ(boxes.Boxes().size(), 2u);
  EXPECT_EQ(boxes.Boxes()[1].kind, BoxKind::Error);
  EXPECT_TRUE(
      boxes.Boxes()[1].text.startsWith("Cannot create file \"" + StoredSettingsPath() + "\". "))
      << boxes.Boxes()[1].text.toStdString();
  const auto codes = fake->Codes();
  EXPECT_EQ(std::count(codes.begin(), codes.end(), Vandrel::CMD_WRITE_OPTION), 0);
  EXPECT_EQ(std::vector<std::uint16_t>(codes.end() - 3, codes.end()),
            (std::vector<std::uint16_t>{1002, 1002, 1014}));
  EXPECT_EQ(fake->closes.size(), 1u);
  ExpectKeyModesForgotten();
}

TEST_F(WirelessUpload, NoExchangeStartsWhileAnotherRuns) {
  TKestrune& w = Ready();
  int writes = 0;
  fake->onCommand = [&](const Command& c) {
    if (c.code == Vandrel::CMD_WRITE_OPTION && writes++ == 0) {
      w.SetBitB->click();
      w.TestConnectBtn->click();
      w.Button2->click();
    }
  };
  w.SetBitB->click();
  EXPECT_EQ(fake->inits.size(), 1u);
  EXPECT_EQ(fake->closes.size(), 1u);
}

}  // namespace
}  // namespace app_tests
