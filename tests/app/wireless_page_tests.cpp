// The wireless page as built and the rules by which its controls follow one
// another.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <map>
#include <vector>

#include "platform/qt/widgets.h"
#include "wireless_fixture.h"

namespace app_tests {
namespace {

const QStringList kInfrastructure{"OPEN", "SHARED", "WEPAUTO", "WPAPSK", "WPA2PSK"};
const QStringList kAdHoc{"OPEN", "SHARED", "WPANONE", "WEPAUTO"};
const QStringList kWep{"NONE", "WEP"};
const QStringList kWpa{"TKIP", "AES"};

std::vector<platform::TEdit*> KeyEdits(TKestrune& w) {
  return {w.WepPasswordEdt1, w.WepPasswordEdt2, w.WepPasswordEdt3, w.WepPasswordEdt4};
}

std::vector<platform::TRadioButton*> KeyRadios(TKestrune& w) {
  return {w.WepPasswordRadio1, w.WepPasswordRadio2, w.WepPasswordRadio3, w.WepPasswordRadio4};
}

// The selected default key 1..4, 0 for none.
int DefaultKey(TKestrune& w) {
  const auto radios = KeyRadios(w);
  for (int i = 0; i < 4; ++i)
    if (radios[i]->isChecked()) return i + 1;
  return 0;
}

// ---------------------------------------------------------------- inventory

struct Control {
  const char* name;
  const char* kind;
  const char* text;  // caption or text; lists: items joined by "|", "@" and the index
  bool enabled;      // the control's own flag
  int checked;       // radios: 1 selected, 0 not; -1 other kinds
};

// clang-format off
const Control kWirelessPage[] = {
  {"Label8", "QLabel", "Wireless End", true, -1},
  {"ActiveRadio", "platform::TRadioButton", "Active", true, 1},
  {"DisableRadio", "platform::TRadioButton", "Disable", true, 0},
  {"GroupBox7", "QGroupBox", "", true, -1},
  {"Labnet", "QLabel", "Wireless Network ID(SSID)", true, -1},
  {"WirelessNetEdt", "platform::TEdit", "", true, -1},
  {"Label10", "QLabel", "*", true, -1},
  {"WirelessModelLab", "QLabel", "Wireless Model", true, -1},
  {"WirelessModelCob", "platform::TComboBox", "Infrastructrue Model|Ad-hoc Model@0", true, -1},
  {"Label3", "QLabel", "Authentication Type", true, -1},
  {"AuthenticationTypeCob", "platform::TComboBox", "OPEN|SHARED|WEPAUTO|WPAPSK|WPA2PSK@0", true, -1},
  {"LabWEP", "QLabel", "Encrypt Type", true, -1},
  {"WepEncryptCob", "platform::TComboBox", "NONE|WEP@0", true, -1},
  {"WEPGroup", "QGroupBox", "WEP", false, -1},
  {"LabpasswordType", "QLabel", "Password Length", true, -1},
  {"PasswordModeCob", "platform::TComboBox",
   "64-bit(104+24)-10 hexadecimal digits|128-bit(104+24)-26 hexadecimal digits|"
   "64-bit(40+24)-5 ASCII characters|128-bit(104+24)-13 ASCII characters@0", false, -1},
  {"Labpassword1", "QLabel", "Password 1", true, -1},
  {"labpassword2", "QLabel", "password 2", true, -1},
  {"Labpassword3", "QLabel", "password 3", true, -1},
  {"Labpassword4", "QLabel", "password 4", true, -1},
  {"WepPasswordRadio1", "platform::TRadioButton", "", true, 0},
  {"WepPasswordRadio2", "platform::TRadioButton", "", true, 0},
  {"WepPasswordRadio3", "platform::TRadioButton", "", true, 0},
  {"WepPasswordRadio4", "platform::TRadioButton", "", true, 0},
  {"WepPasswordEdt1", "platform::TEdit", "", false, -1},
  {"WepPasswordEdt2", "platform::TEdit", "", false, -1},
  {"WepPasswordEdt3", "platform::TEdit", "", false, -1},
  {"WepPasswordEdt4", "platform::TEdit", "", false, -1},
  {"WPAGroup", "QGroupBox", "WPA", false, -1},
  {"Label7", "QLabel", "Password ", true, -1},
  {"WAPpasswordEdit", "platform::TEdit", "", false, -1},
  {"Label9", "QLabel", "Iuput  8 and 64 characters long for ASCII\n"
                       "or 8 and 64 characters(0-9,a-f,A-F) for hex", true, -1},
  {"GroupBox2", "QGroupBox", "Connection parameter", true, -1},
  {"TC_IPRadio", "platform::TRadioButton", "TCP/IP", true, 1},
  {"RS232Radio", "platform::TRadioButton", "RS232", true, 0},
  {"GroupBox4", "QGroupBox", "", true, -1},
  {"Label1", "QLabel", "IP", true, -1},
  {"AddressIP", "platform::TJvIPAddress", "192.168.1.201", true, -1},
  {"Label2", "QLabel", "Port", true, -1},
  {"PortEdtWire", "platform::TEdit", "4370", true, -1},
  {"GroupBox5", "QGroupBox", "", false, -1},
  {"Label4", "QLabel", "DeviceID", true, -1},
  {"DeviceIdEdt", "platform::TEdit", "1", false, -1},   // stored-settings default
  {"Label5", "QLabel", "COMPort", true, -1},
  {"Edit5", "platform::TEdit", "COM", false, -1},
  {"ComIDEdit", "platform::TEdit", "1", false, -1},     // stored-settings default
  {"Label6", "QLabel", "Baud rate", true, -1},
  {"BaudRateEdit", "platform::TEdit", "57600", false, -1},  // stored-settings default
  {"TestConnectBtn", "QPushButton", "Test Connect", true, -1},
  {"IPoptionsBitB", "QPushButton", "ConfigMachine", true, -1},
  {"SetBitB", "QPushButton", " Set", true, -1},
};
// clang-format on

class WirelessPage : public WirelessTest {};

TEST_F(WirelessPage, ControlsAsDefined) {
  TKestrune& w = Window();
  for (const Control& c : kWirelessPage) {
    SCOPED_TRACE(c.name);
    auto* control = w.TabSheet2->findChild<QWidget*>(c.name);
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->metaObject()->className(), c.kind);
    EXPECT_EQ(ControlText(control), QString::fromUtf8(c.text));
    EXPECT_EQ(Own(control), c.enabled);
    if (c.checked >= 0) {
      EXPECT_EQ(qobject_cast<QRadioButton*>(control)->isChecked(), c.checked == 1);
    }
  }
  EXPECT_TRUE(w.Edit5->isReadOnly());
  EXPECT_EQ(w.WirelessNetEdt->MaxLength(), 31);
  EXPECT_EQ(w.WAPpasswordEdit->MaxLength(), 64);
  for (platform::TEdit* edit : KeyEdits(w)) EXPECT_EQ(edit->MaxLength(), 0) << "no limit yet";

  EXPECT_EQ(w.TabSheet2->font().pixelSize(), 13);
  for (QWidget* blue : {static_cast<QWidget*>(w.TC_IPRadio), static_cast<QWidget*>(w.RS232Radio)}) {
    blue->ensurePolished();
    EXPECT_EQ(blue->palette().color(QPalette::WindowText), QColor(Qt::blue))
        << blue->objectName().toStdString();
  }
}

TEST_F(WirelessPage, AreasButtonsAndTabOrder) {
  TKestrune& w = Window();
  const std::map<QWidget*, QRect> bounds{
      {w.GroupBox7, {8, 21, 497, 122}},       {w.WEPGroup, {8, 146, 497, 133}},
      {w.WPAGroup, {8, 281, 497, 62}},        {w.GroupBox2, {8, 344, 497, 111}},
      {w.TestConnectBtn, {19, 463, 146, 40}}, {w.IPoptionsBitB, {187, 463, 146, 40}},
      {w.SetBitB, {348, 463, 146, 40}}};
  for (auto& [control, rect] : bounds)
    EXPECT_EQ(control->geometry(), rect) << control->objectName().toStdString();
  for (QPushButton* button : {w.TestConnectBtn, w.IPoptionsBitB, w.SetBitB}) {
    EXPECT_EQ(button->iconSize(), QSize(32, 32));
    EXPECT_EQ(button->icon().pixmap(32, 32).size(), QSize(32, 32))
        << button->objectName().toStdString();
  }
  EXPECT_TRUE(w.SetBitB->isDefault());

  const FocusChain chain(w);
  const std::vector<QWidget*> order{w.ActiveRadio,  w.GroupBox7,     w.WEPGroup,
                                    w.WPAGroup,     w.GroupBox2,     w.SetBitB,
                                    w.DisableRadio, w.IPoptionsBitB, w.TestConnectBtn};
  for (std::size_t i = 1; i < order.size(); ++i)
    EXPECT_LT(chain.Position(order[i - 1]), chain.Position(order[i]))
        << order[i]->objectName().toStdString();
}

// Enter presses the default button unless a button has the focus.
TEST_F(WirelessPage, EnterPressesTheFocusedOrTheDefaultButton) {
  ShowWirelessPage();
  TKestrune& w = Window();
  int set = 0, test = 0;
  QObject::connect(w.SetBitB, &QPushButton::clicked, [&] { ++set; });
  QObject::connect(w.TestConnectBtn, &QPushButton::clicked, [&] { ++test; });
  w.WirelessNetEdt->setFocus();
  QTest::keyClick(w.WirelessNetEdt, Qt::Key_Return);
  EXPECT_EQ(set, 1);
  w.TestConnectBtn->setFocus();
  QTest::keyClick(w.TestConnectBtn, Qt::Key_Return);
  EXPECT_EQ(test, 1);
  EXPECT_EQ(set, 1);
  w.WirelessNetEdt->setFocus();
  QTest::keyClick(w.WirelessNetEdt, Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(set, 1) << "only a plain Enter";
}

// ----------------------------------------------------------- state table

enum class Layout { NoKey, Wep, Wpa };

struct Pick {
  platform::TComboBox* Ui::TKestrune::*combo;
  int index;
};

constexpr auto kModel = &Ui::TKestrune::WirelessModelCob;
constexpr auto kAuth = &Ui::TKestrune::AuthenticationTypeCob;
constexpr auto kEnc = &Ui::TKestrune::WepEncryptCob;

struct StateCase {
  const char* name;
  std::vector<Pick> picks;
  const QStringList* authItems;
  const char* auth;
  const QStringList* encItems;
  const char* enc;
  Layout layout;
  int defaultKey;
};

const StateCase kStates[] = {
    {"start", {}, &kInfrastructure, "OPEN", &kWep, "NONE", Layout::NoKey, 0},
    {"infrastructure picked",
     {{kModel, 0}},
     &kInfrastructure,
     "OPEN",
     &kWep,
     "WEP",
     Layout::Wep,
     1},
    {"ad-hoc picked", {{kModel, 1}}, &kAdHoc, "OPEN", &kWep, "WEP", Layout::Wep, 1},
    {"infra WEP chosen", {{kEnc, 1}}, &kInfrastructure, "OPEN", &kWep, "WEP", Layout::Wep, 1},
    {"infra SHARED", {{kAuth, 1}}, &kInfrastructure, "SHARED", &kWep, "WEP", Layout::Wep, 1},
    {"infra WEPAUTO", {{kAuth, 2}}, &kInfrastructure, "WEPAUTO", &kWep, "WEP", Layout::Wep, 1},
    {"infra WPAPSK", {{kAuth, 3}}, &kInfrastructure, "WPAPSK", &kWpa, "TKIP", Layout::Wpa, 0},
    {"infra WPA2PSK AES",
     {{kAuth, 4}, {kEnc, 1}},
     &kInfrastructure,
     "WPA2PSK",
     &kWpa,
     "AES",
     Layout::Wpa,
     0},
    {"infra WPAPSK TKIP again",
     {{kAuth, 3}, {kEnc, 0}},
     &kInfrastructure,
     "WPAPSK",
     &kWpa,
     "TKIP",
     Layout::Wpa,
     0},
    {"infra SHARED then NONE",
     {{kAuth, 1}, {kEnc, 0}},
     &kInfrastructure,
     "OPEN",
     &kWep,
     "NONE",
     Layout::NoKey,
     0},
    {"infra WPA back to OPEN",
     {{kAuth, 3}, {kAuth, 0}},
     &kInfrastructure,
     "OPEN",
     &kWep,
     "WEP",
     Layout::Wep,
     1},
    {"ad-hoc WEPAUTO at 3",
     {{kModel, 1}, {kAuth, 3}},
     &kAdHoc,
     "WEPAUTO",
     &kWep,
     "WEP",
     Layout::Wep,
     1},
    {"ad-hoc WPANONE at 2",
     {{kModel, 1}, {kAuth, 2}},
     &kAdHoc,
     "WPANONE",
     &kWpa,
     "TKIP",
     Layout::Wpa,
     0},
    {"ad-hoc WPANONE AES",
     {{kModel, 1}, {kAuth, 2}, {kEnc, 1}},
     &kAdHoc,
     "WPANONE",
     &kWpa,
     "AES",
     Layout::Wpa,
     0},
    // Ad-hoc no-key leaves key 1 selected.
    {"ad-hoc SHARED then NONE",
     {{kModel, 1}, {kAuth, 1}, {kEnc, 0}},
     &kAdHoc,
     "OPEN",
     &kWep,
     "NONE",
     Layout::NoKey,
     1},
    {"ad-hoc NONE then WEP",
     {{kModel, 1}, {kEnc, 0}, {kEnc, 1}},
     &kAdHoc,
     "OPEN",
     &kWep,
     "WEP",
     Layout::Wep,
     1},
    {"ad-hoc back to infrastructure",
     {{kModel, 1}, {kAuth, 2}, {kModel, 0}},
     &kInfrastructure,
     "OPEN",
     &kWep,
     "WEP",
     Layout::Wep,
     1},
};

void ExpectLayout(TKestrune& w, Layout layout) {
  const bool wep = layout == Layout::Wep, wpa = layout == Layout::Wpa;
  EXPECT_EQ(Own(w.WEPGroup), wep);
  EXPECT_EQ(Own(w.WPAGroup), wpa);
  EXPECT_EQ(Own(w.PasswordModeCob), wep);
  for (platform::TEdit* edit : KeyEdits(w))
    EXPECT_EQ(Own(edit), wep) << edit->objectName().toStdString();
  EXPECT_EQ(Own(w.WAPpasswordEdit), wpa);
  // In effect, too: the group disables its children.
  EXPECT_EQ(w.WepPasswordEdt1->isEnabled(), wep);
  EXPECT_EQ(w.WAPpasswordEdit->isEnabled(), wpa);
}

TEST_F(WirelessPage, StateTable) {
  for (const StateCase& c : kStates) {
    SCOPED_TRACE(c.name);
    window.reset();
    TKestrune& w = Window();
    for (const Pick& pick : c.picks) Choose(w.*pick.combo, pick.index);
    EXPECT_EQ(Items(w.AuthenticationTypeCob), *c.authItems);
    EXPECT_EQ(w.AuthenticationTypeCob->Text(), c.auth);
    EXPECT_EQ(Items(w.WepEncryptCob), *c.encItems);
    EXPECT_EQ(w.WepEncryptCob->Text(), c.enc);
    ExpectLayout(w, c.layout);
    EXPECT_EQ(DefaultKey(w), c.defaultKey);
    EXPECT_TRUE(boxes.Boxes().empty());
  }
}

// The dependent lists are rebuilt without running their own handlers: the
// WEP selection of the model handler never applies the key lengths.
TEST_F(WirelessPage, RebuiltListsRunNoHandlers) {
  TKestrune& w = Window();
  int authChanges = 0, encChanges = 0;
  w.AuthenticationTypeCob->OnChange = [&] { ++authChanges; };
  w.WepEncryptCob->OnChange = [&] { ++encChanges; };
  Choose(w.WirelessModelCob, 1);
  Choose(w.WirelessModelCob, 0);
  EXPECT_EQ(authChanges + encChanges, 0);
}

// ------------------------------------------------------------ default key

struct DefaultKeyCase {
  int model;
  int key;      // selected before the switch
  Pick away;    // to the WPA or the no-key layout
  Pick back;    // to the WEP layout again
  int keyAway;  // default key while away
  int keyBack;
};

TEST_F(WirelessPage, DefaultKeySurvivesWpaAndNoKeyLayouts) {
  const DefaultKeyCase cases[] = {
      {0, 3, {kAuth, 3}, {kAuth, 0}, 3, 3},  // infrastructure WPAPSK and back
      {0, 1, {kAuth, 3}, {kAuth, 0}, 0, 1},
      {0, 4, {kEnc, 0}, {kEnc, 1}, 4, 4},  // infrastructure NONE and back
      {0, 1, {kEnc, 0}, {kEnc, 1}, 0, 1},
      {1, 1, {kEnc, 0}, {kEnc, 1}, 1, 1},    // ad-hoc NONE keeps key 1
      {1, 2, {kAuth, 2}, {kAuth, 0}, 2, 2},  // ad-hoc WPANONE and back
      {1, 1, {kAuth, 2}, {kAuth, 3}, 0, 1},
  };
  for (const DefaultKeyCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "model " << c.model << " key " << c.key << " index " << c.away.index);
    window.reset();
    TKestrune& w = Window();
    Choose(w.WirelessModelCob, c.model);
    KeyRadios(w)[c.key - 1]->click();
    ASSERT_EQ(DefaultKey(w), c.key);
    Choose(w.*c.away.combo, c.away.index);
    EXPECT_EQ(DefaultKey(w), c.keyAway);
    Choose(w.*c.back.combo, c.back.index);
    EXPECT_EQ(DefaultKey(w), c.keyBack);
  }
}

// ------------------------------------------------------- maximum lengths

TEST_F(WirelessPage, PasswordModeSetsKeyLengthsWithoutCuttingText) {
  TKestrune& w = Window();
  Choose(w.WirelessModelCob, 0);
  const std::pair<int, int> modes[] = {{1, 26}, {2, 5}, {3, 13}, {0, 10}};
  const QString long30(30, 'a');
  for (platform::TEdit* edit : KeyEdits(w)) edit->setText(long30);
  for (auto [mode, length] : modes) {
    Choose(w.PasswordModeCob, mode);
    for (platform::TEdit* edit : KeyEdits(w)) {
      EXPECT_EQ(edit->MaxLength(), length);
      EXPECT_EQ(edit->text(), long30);
    }
  }
}

TEST_F(WirelessPage, LimitsStopTypingButKeepLongerText) {
  TKestrune& w = Window();
  Choose(w.WirelessModelCob, 0);
  Choose(w.PasswordModeCob, 1);
  QTest::keyClicks(w.WepPasswordEdt1, QString(30, '7'));
  EXPECT_EQ(w.WepPasswordEdt1->text(), QString(26, '7'));
  Choose(w.PasswordModeCob, 0);
  QTest::keyClicks(w.WepPasswordEdt1, "89");
  EXPECT_EQ(w.WepPasswordEdt1->text(), QString(26, '7')) << "kept, no room for more";
  QTest::keyClicks(w.WepPasswordEdt2, QString(12, 'b'));
  EXPECT_EQ(w.WepPasswordEdt2->text(), QString(10, 'b'));

  struct Fixed {
    platform::TEdit* edit;
    int length;
  };
  for (Fixed f : {Fixed{w.WirelessNetEdt, 31}, Fixed{w.WAPpasswordEdit, 64}}) {
    SCOPED_TRACE(f.edit->objectName().toStdString());
    f.edit->setEnabled(true);
    w.WPAGroup->setEnabled(true);
    QTest::keyClicks(f.edit, QString(f.length + 5, 'x'));
    EXPECT_EQ(f.edit->text(), QString(f.length, 'x'));
    f.edit->setText(QString(f.length + 9, 'y'));
    QTest::keyClicks(f.edit, "z");
    EXPECT_EQ(f.edit->text(), QString(f.length + 9, 'y'));
  }
}

// The model and authentication handlers reapply mode 0's length only.
TEST_F(WirelessPage, ModelAndAuthenticationReapplyOnlyModeZero) {
  constexpr int kSentinel = 99;
  const Pick picks[] = {{kModel, 0}, {kModel, 1}, {kAuth, 1}, {kAuth, 3}, {kAuth, 0}};
  for (int mode = 0; mode < 4; ++mode) {
    for (const Pick& pick : picks) {
      SCOPED_TRACE(testing::Message() << "mode " << mode << " pick " << pick.index);
      window.reset();
      TKestrune& w = Window();
      Choose(w.WirelessModelCob, 0);
      Choose(w.PasswordModeCob, mode);
      for (platform::TEdit* edit : KeyEdits(w)) edit->SetMaxLength(kSentinel);
      Choose(w.*pick.combo, pick.index);
      for (platform::TEdit* edit : KeyEdits(w))
        EXPECT_EQ(edit->MaxLength(), mode == 0 ? 10 : kSentinel);
    }
  }
}

// ---------------------------------------------------------- digit filter

TEST_F(WirelessPage, NumberEditsTakeDigitsAndControlCharacters) {
  TKestrune& w = Window();
  const char16_t passes[] = {u'0', u'5', u'9', 8, 9, 13, 27, 1, 3, 22, 24, 31};
  const char16_t swallowed[] = {u' ', u'-', u'+', u'.', u'a',   u'Z',   u'/',  u':',
                                127,  128,  0xA0, 0xE9, 0x4E2D, 0xD83D, 0xFF10};
  for (platform::TEdit* edit : {w.PortEdtWire, w.DeviceIdEdt, w.ComIDEdit, w.BaudRateEdit}) {
    SCOPED_TRACE(edit->objectName().toStdString());
    ASSERT_TRUE(edit->OnKeyPress);
    for (char16_t c : passes) {
      char16_t key = c;
      edit->OnKeyPress(key);
      EXPECT_EQ(key, c) << int(c);
    }
    for (char16_t c : swallowed) {
      char16_t key = c;
      edit->OnKeyPress(key);
      EXPECT_EQ(key, 0) << int(c);
    }
  }
}

TEST_F(WirelessPage, TypedNonDigitsVanishButPasteIsNotFiltered) {
  TKestrune& w = Window();
  for (platform::TEdit* edit : {w.PortEdtWire, w.DeviceIdEdt, w.ComIDEdit, w.BaudRateEdit}) {
    SCOPED_TRACE(edit->objectName().toStdString());
    (edit == w.PortEdtWire ? w.TC_IPRadio : w.RS232Radio)->click();
    edit->clear();
    QTest::keyClicks(edit, "1a -2+b3");
    EXPECT_EQ(edit->text(), "123");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "12");
    QGuiApplication::clipboard()->setText("x 9");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "12x 9");
  }
}

// --------------------------------------------- adapter and link radios

struct ActiveCase {
  const char* name;
  std::vector<Pick> picks;
  bool wep, wpa;
};

TEST_F(WirelessPage, DisableThenActiveRestoresOnlyTheSideInForce) {
  const ActiveCase cases[] = {
      {"no key", {}, false, false},
      {"WEP", {{kModel, 0}}, true, false},
      {"WPA2PSK TKIP", {{kAuth, 4}}, false, true},
      {"WPANONE AES", {{kModel, 1}, {kAuth, 2}, {kEnc, 1}}, false, true},
  };
  for (const ActiveCase& c : cases) {
    SCOPED_TRACE(c.name);
    window.reset();
    TKestrune& w = Window();
    for (const Pick& pick : c.picks) Choose(w.*pick.combo, pick.index);
    const int key = DefaultKey(w);
    w.RS232Radio->click();
    w.DisableRadio->click();
    EXPECT_FALSE(Own(w.GroupBox7));
    EXPECT_FALSE(Own(w.WEPGroup));
    EXPECT_FALSE(Own(w.WPAGroup));
    EXPECT_TRUE(Own(w.GroupBox2));
    EXPECT_TRUE(Own(w.GroupBox5)) << "the link parameters stay";
    w.ActiveRadio->click();
    EXPECT_TRUE(Own(w.GroupBox7));
    EXPECT_EQ(Own(w.WEPGroup), c.wep);
    EXPECT_EQ(Own(w.WPAGroup), c.wpa);
    EXPECT_EQ(Own(w.PasswordModeCob), c.wep);
    EXPECT_EQ(Own(w.WepPasswordEdt4), c.wep);
    EXPECT_EQ(DefaultKey(w), key);
    EXPECT_TRUE(Own(w.GroupBox5));
  }
}

TEST_F(WirelessPage, LinkRadiosSwapTheParameterControls) {
  TKestrune& w = Window();
  const std::vector<QWidget*> tcp{w.GroupBox4, w.AddressIP, w.PortEdtWire};
  const std::vector<QWidget*> serial{w.GroupBox5, w.DeviceIdEdt, w.Edit5, w.ComIDEdit,
                                     w.BaudRateEdit};
  auto expect = [&](bool tcpIp) {
    for (QWidget* c : tcp) EXPECT_EQ(Own(c), tcpIp) << c->objectName().toStdString();
    for (QWidget* c : serial) EXPECT_EQ(Own(c), !tcpIp) << c->objectName().toStdString();
  };
  expect(true);
  w.RS232Radio->click();
  EXPECT_FALSE(w.TC_IPRadio->isChecked());
  expect(false);
  w.TC_IPRadio->click();
  expect(true);
}

}  // namespace
}  // namespace app_tests
