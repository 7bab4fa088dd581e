// The modem page's Set button against the recording library.
#include <QTest>

#include "window_fixture.h"

namespace app_tests {
namespace {

using platform::BoxKind;
using testing_support::Command;

const char* const kSuccess = "Set successfully! please reboot the device";

class ModemUpload : public WindowTest {
 protected:
  void Click() { Window().Button2->click(); }
  std::vector<platform::RecordedBox> Boxes() { return boxes.Boxes(); }
};

TEST_F(ModemUpload, TcpExchangeSendsTheFiveLines) {
  TKestrune& w = Window();
  w.EDTIP->setText("10.1.1.9");
  w.EDTPort->setText("65535");
  w.APNEdit->setText("cmnet");
  w.EDTUserName->setText("");
  w.EDTpsw->setText("Secret");
  w.EDTNum->setText(" *99# ");
  Vandrel::SetSeedGenerator([] { return 192; });
  Click();

  EXPECT_EQ(fake.preparations, std::vector<std::string>{"arp"});
  ASSERT_EQ(fake->inits.size(), 1u);
  const auto& init = fake->inits[0];
  EXPECT_EQ(init.module, "brisel.dll");
  EXPECT_EQ(init.address, "10.1.1.9");
  EXPECT_EQ(init.number, 65535);
  EXPECT_EQ(init.baud, 0);
  EXPECT_EQ(init.reserved1 | init.reserved2, 0);

  // Begin, "~OS" twice, then a read and a write per line, then the end commands.
  EXPECT_EQ(fake->Codes(), (std::vector<std::uint16_t>{1003, 11, 11, 11, 12, 11, 12, 11, 11, 12, 11,
                                                       12, 1002, 1002, 1014}));
  EXPECT_EQ(fake->Writes(),
            (std::vector<std::string>{"~MODEM=C0F2", "APN=cmnet", "ModemPassword=Secret",
                                      "ModemDialNumber= *99# "}));
  EXPECT_EQ(fake->commands[0].timeoutMs, 2000);
  for (const Command& c : fake->commands) EXPECT_EQ(c.handle, 7);
  EXPECT_EQ(fake->closes, std::vector<Vandrel::ConnectionHandle>{7});
  EXPECT_EQ(Boxes(), std::vector{Box(BoxKind::Plain, "Pellmora", kSuccess)});
}

TEST_F(ModemUpload, SerialExchangeUsesThePortNameDeviceAndBaudRate) {
  TKestrune& w = Window();
  w.RadioButton2->click();
  EXPECT_TRUE(w.Edit1->isEnabled());
  EXPECT_FALSE(w.EDTIP->isEnabled());
  w.Edit1->setText("/dev/ttyUSB");
  w.EDTCOMNum->setText("0");
  w.EDTDeviceID->setText("65535");
  w.EDTBaudRate->setText("0");
  Click();

  EXPECT_EQ(fake.preparations, std::vector<std::string>{"kill:dulvane.dll"});
  ASSERT_EQ(fake->inits.size(), 1u);
  EXPECT_EQ(fake->inits[0].module, "camoret.dll");
  EXPECT_EQ(fake->inits[0].address, "/dev/ttyUSB0");
  EXPECT_EQ(fake->inits[0].number, 65535);
  EXPECT_EQ(fake->inits[0].baud, 0);
  // Empty fields the device already holds empty are not written.
  EXPECT_EQ(fake->Writes().size(), 2u);
  EXPECT_EQ(Boxes(), std::vector{Box(BoxKind::Plain, "Pellmora", kSuccess)});
  EXPECT_EQ(fake->closes.size(), 1u);
}

struct FailureCase {
  const char* label;
  bool serial;
  const char* field;  // control to fill
  const char* text;
  BoxKind kind;
  const char* caption;
  const char* message;
  bool prepared;  // the ARP flush or the process termination ran
};

class ModemFailures : public ModemUpload, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ModemFailures, EndTheClickBeforeConnecting) {
  const FailureCase& c = GetParam();
  TKestrune& w = Window();
  if (c.serial) w.RadioButton2->click();
  w.findChild<QLineEdit*>(c.field)->setText(QString::fromUtf8(c.text));
  Click();
  EXPECT_TRUE(fake->inits.empty());
  EXPECT_TRUE(fake->commands.empty());
  EXPECT_EQ(fake.preparations.size(), c.prepared ? 1u : 0u);
  EXPECT_EQ(Boxes(), std::vector{Box(c.kind, c.caption, c.message)});
}

const char* const kDial = "Dial number can not be null,you must input it,please!";

INSTANTIATE_TEST_SUITE_P(
    Rows, ModemFailures,
    ::testing::Values(FailureCase{"EmptyDialNumber", false, "EDTNum", "", BoxKind::Information,
                                  "Information", kDial, false},
                      FailureCase{"BlankDialNumber", true, "EDTNum", " \t ", BoxKind::Information,
                                  "Information", kDial, false},
                      FailureCase{"PortNotANumber", false, "EDTPort", "43a", BoxKind::Error,
                                  "Pellmora", "'43a' is not a valid integer value.", true},
                      FailureCase{"PortEmpty", false, "EDTPort", "", BoxKind::Error, "Pellmora",
                                  "'' is not a valid integer value.", true},
                      FailureCase{"PortTooLarge", false, "EDTPort", "65536", BoxKind::Error,
                                  "Pellmora", "Range check error.", true},
                      FailureCase{"PortNegative", false, "EDTPort", "-1", BoxKind::Error,
                                  "Pellmora", "Range check error.", true},
                      FailureCase{"DeviceTooLarge", true, "EDTDeviceID", "65536", BoxKind::Error,
                                  "Pellmora", "Range check error.", true},
                      FailureCase{"BaudRateNotANumber", true, "EDTBaudRate", "9600x",
                                  BoxKind::Error, "Pellmora",
                                  "'9600x' is not a valid integer value.", true}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ModemUpload, BaudRateIsConvertedBeforeTheDeviceNumber) {
  TKestrune& w = Window();
  w.RadioButton2->click();
  w.EDTBaudRate->setText("fast");
  w.EDTDeviceID->setText("70000");
  Click();
  EXPECT_EQ(Boxes(),
            std::vector{Box(BoxKind::Error, "Pellmora", "'fast' is not a valid integer value.")});
}

TEST_F(ModemUpload, NoConnectionGivesItsBoxAndNothingElse) {
  fake->handleToReturn = 0;
  Click();
  EXPECT_EQ(fake->inits.size(), 1u);
  EXPECT_TRUE(fake->commands.empty());
  EXPECT_TRUE(fake->closes.empty());
  EXPECT_EQ(Boxes(),
            std::vector{Box(BoxKind::Information, "Information", "can not connect with device")});
}

TEST_F(ModemUpload, RejectedLineGivesSetFaliAndStillEnds) {
  Window().APNEdit->setText("x");
  fake->replyFor = [](const Command& c) {
    const bool apn = c.code == Vandrel::CMD_WRITE_OPTION && c.request.rfind("APN=", 0) == 0;
    return apn ? std::uint16_t{3} : Vandrel::REPLY_OK;
  };
  // The end commands follow the box, not precede it.
  fake->onCommand = [&](const Command& c) {
    if (c.code == Vandrel::CMD_CONFIG_END) {
      EXPECT_EQ(boxes.Boxes().size(), 1u);
    }
  };
  Click();
  EXPECT_EQ(Boxes(), std::vector{Box(BoxKind::Plain, "Pellmora", "Set fali!")});
  const auto codes = fake->Codes();
  EXPECT_EQ(std::vector<std::uint16_t>(codes.end() - 3, codes.end()),
            (std::vector<std::uint16_t>{1002, 1002, 1014}));
  EXPECT_EQ(fake->closes.size(), 1u);
}

TEST_F(ModemUpload, TwoClicksOpenTwoConnections) {
  Click();
  Click();
  EXPECT_EQ(fake->inits.size(), 2u);
  EXPECT_EQ(fake->closes.size(), 2u);
}

TEST_F(ModemUpload, SecondClickDuringTheUploadDoesNothing) {
  TKestrune& w = Window();
  int writes = 0;
  fake->onCommand = [&](const Command& c) {
    if (c.code == Vandrel::CMD_WRITE_OPTION && writes++ == 0) w.Button2->click();
  };
  Click();
  EXPECT_EQ(fake->inits.size(), 1u);
  EXPECT_EQ(fake->closes.size(), 1u);
  EXPECT_EQ(boxes.Boxes().size(), 1u);
}

TEST_F(ModemUpload, CloseDuringTheUploadWaitsForItsEnd) {
  TKestrune& w = Window();
  w.show();
  bool closedDuringUpload = true;
  fake->onCommand = [&](const Command& c) {
    if (c.code == Vandrel::CMD_WRITE_OPTION && closedDuringUpload) closedDuringUpload = w.close();
  };
  Click();
  EXPECT_FALSE(closedDuringUpload);
  EXPECT_EQ(fake->closes.size(), 1u);
  EXPECT_EQ(boxes.Boxes().size(), 1u);
  QTRY_VERIFY_WITH_TIMEOUT(!w.isVisible(), 2000);
}

TEST_F(ModemUpload, HiddenModemTypeDoesNotChangeTheModemLine) {
  TKestrune& w = Window();
  w.CMBModem->SetItemIndex(3);
  w.CMBModemChange();
  EXPECT_FALSE(w.APNEdit->isVisibleTo(w.GroupBox1));
  Vandrel::SetSeedGenerator([] { return 192; });
  Click();
  ASSERT_FALSE(fake->Writes().empty());
  EXPECT_EQ(fake->Writes()[0], "~MODEM=C0F2");
}

TEST_F(ModemUpload, SerialModemTypeLetsAnEmptyDialNumberPass) {
  TKestrune& w = Window();
  w.CMBModem->SetItemIndex(1);
  w.CMBModemChange();
  EXPECT_FALSE(w.GroupBox1->isEnabled());
  w.EDTNum->setText("");
  Click();
  EXPECT_EQ(fake->inits.size(), 1u);
}

TEST_F(ModemUpload, ServerAddressTypeSwitchesTheHiddenControls) {
  TKestrune& w = Window();
  w.URLEdit->setText("example");
  w.RadioButton4->SetChecked(true);
  EXPECT_FALSE(w.Edit4->isVisibleTo(w.GroupBox6));
  EXPECT_TRUE(w.URLEdit->isVisibleTo(w.GroupBox6));
  w.RadioButton3->SetChecked(true);
  EXPECT_TRUE(w.Edit4->isVisibleTo(w.GroupBox6));
  EXPECT_EQ(w.URLEdit->text(), "");
  EXPECT_EQ(w.DNSIPEdit->Text(), "0.0.0.0");
}

}  // namespace
}  // namespace app_tests
