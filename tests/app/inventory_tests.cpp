// The window and the modem page's controls as the user gets them.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <map>

#include "platform/qt/widgets.h"
#include "window_fixture.h"

namespace app_tests {
namespace {

struct Control {
  const char* name;
  const char* kind;
  const char* text;  // caption or text; for lists the items joined by "|", then "@" and the index
  QRect geometry;    // empty: not checked
  bool visible;
  bool enabled;
  int tabOrder;  // within the parent; -1: none
  const char* hint;
};

const char* const kHintComm = "Set COMM options";

// clang-format off
const Control kModemPage[] = {
  {"GroupBox3", "QGroupBox", "connect config", {0, 0, 249, 311}, true, true, 0, kHintComm},
  {"Label24", "QLabel", "IP", {8, 24, 42, 13}, true, true, -1, ""},
  {"Label25", "QLabel", "port", {9, 45, 28, 13}, true, true, -1, ""},
  {"Label26", "QLabel", "DeviceID", {8, 68, 57, 13}, true, true, -1, ""},
  {"Label27", "QLabel", "COMPort", {8, 91, 57, 13}, true, true, -1, ""},
  {"Label28", "QLabel", "baud rate", {8, 111, 57, 13}, true, true, -1, ""},
  {"EDTIP", "platform::TEdit", "192.168.1.201", {71, 20, 167, 19}, true, true, 0, ""},
  {"EDTPort", "platform::TEdit", "4370", {71, 42, 167, 19}, true, true, 1, ""},
  {"EDTDeviceID", "platform::TEdit", "1", {72, 64, 166, 19}, true, true, 2, ""},
  {"EDTCOMNum", "platform::TEdit", "1", {103, 86, 135, 19}, true, false, 3, ""},
  {"EDTBaudRate", "platform::TEdit", "115200", {73, 108, 165, 19}, true, false, 4, ""},
  {"Edit1", "platform::TEdit", "COM", {72, 86, 32, 19}, true, false, 5, ""},
  {"RadioButton1", "platform::TRadioButton", "TCP/IP", {32, 132, 57, 17}, true, true, 6, ""},
  {"RadioButton2", "platform::TRadioButton", "232", {179, 132, 49, 17}, true, true, 7, ""},
  {"GroupBox1", "QGroupBox", "DialConfig", {6, 152, 237, 113}, true, true, 3, ""},
  {"Label21", "QLabel", "APN", {36, 21, 35, 13}, true, true, -1, ""},
  {"Label31", "QLabel", "UserName:", {8, 45, 50, 13}, true, true, -1, ""},
  {"Label32", "QLabel", "Password", {8, 67, 46, 13}, true, true, -1, ""},
  {"Label33", "QLabel", "DialNumber", {8, 89, 55, 13}, true, true, -1, ""},
  {"Label34", "QLabel", "*", {226, 68, 8, 13}, true, true, -1, ""},
  {"APNEdit", "platform::TEdit", "", {64, 18, 161, 19}, true, true, 3, ""},
  {"EDTUserName", "platform::TEdit", "", {64, 41, 161, 19}, true, true, 0, ""},
  {"EDTpsw", "platform::TEdit", "", {64, 63, 161, 19}, true, true, 1, ""},
  {"EDTNum", "platform::TEdit", "*99***1#", {65, 85, 161, 19}, true, true, 2,
   "It can not  be null,you must input the num"},
  {"Button2", "QPushButton", "Set", {80, 276, 75, 25}, true, true, 10, ""},
  // Hidden controls.
  {"Label29", "QLabel", "MODEMType", {}, false, true, -1, ""},
  {"Label30", "QLabel", "ConnectMODEM:", {}, false, true, -1, ""},
  {"Label36", "QLabel", "KeepLive", {}, false, true, -1, ""},
  {"Label37", "QLabel", "AutoUPLogTime", {}, false, true, -1, ""},
  {"Label38", "QLabel", "S", {}, false, true, -1, ""},
  {"Label40", "QLabel", "S", {}, false, true, -1, ""},
  {"Label43", "QLabel", "S", {}, false, true, -1, ""},
  {"Label39", "QLabel", "ServerCheckMode", {}, false, true, -1, ""},
  {"Label41", "QLabel", "AuthServerREQ", {}, false, true, -1, ""},
  {"Label42", "QLabel", "ASTimeOut", {}, false, true, -1, ""},
  {"CMBModem", "platform::TComboBox", "NONE|RS232 |GPRS|CDMA@2", {}, false, true, 1, ""},
  {"CMBConnect", "platform::TComboBox", "NULL|N|Y@2", {}, false, true, 2, ""},
  {"CMBKeep", "platform::TComboBox", "NULL|N|Y@2", {}, false, true, 4,
   "If you select yes,The MODEM will keep connect"},
  {"EDTAutoUPT", "platform::TEdit", "60", {}, false, true, 5, "Auto upload log period/time"},
  {"CMDChcekM", "platform::TComboBox", "NONE|LAN|GPRS/CDMA@-1", {}, false, true, 6,
   "If select LAN,it will send UDP pack to server and check server,else,it only check local network card"},
  {"Edit2", "platform::TEdit", "3", {}, false, true, 7, "the interval to Check net"},
  {"Edit3", "platform::TEdit", "10", {}, false, true, 8, "The interval to check if time out"},
  {"GroupBox6", "QGroupBox", "ConnectType", {}, false, true, 9, ""},
  {"RadioButton3", "platform::TRadioButton", "IPType", {}, false, true, 0, ""},
  {"RadioButton4", "platform::TRadioButton", "DNSType", {}, false, true, 1, ""},
  {"Label22", "QLabel", "URL", {}, false, true, -1, ""},
  {"URLEdit", "platform::TEdit", "", {}, false, true, 2, ""},
  {"Label19", "QLabel", "AuthServerIP", {}, false, true, -1, ""},
  {"Edit4", "platform::TJvIPAddress", "0.0.0.0", {}, false, true, 3, ""},
  {"Label23", "QLabel", "DNSServerIP", {}, false, true, -1, ""},
  {"DNSIPEdit", "platform::TJvIPAddress", "0.0.0.0", {}, false, true, 4, ""},
};
// clang-format on

class Inventory : public WindowTest {};

TEST_F(Inventory, ModemPageControlsAsDefined) {
  TKestrune& w = Window();
  w.show();
  for (const Control& c : kModemPage) {
    SCOPED_TRACE(c.name);
    auto* control = w.TabSheet1->findChild<QWidget*>(c.name);
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->metaObject()->className(), c.kind);
    EXPECT_EQ(ControlText(control), QString::fromUtf8(c.text));
    if (!c.geometry.isEmpty()) {
      EXPECT_EQ(control->geometry(), c.geometry);
    }
    EXPECT_EQ(control->isVisibleTo(&w), c.visible);
    EXPECT_EQ(control->isEnabled(), c.enabled);
    EXPECT_EQ(control->toolTip(), QString::fromUtf8(c.hint));
    if (!c.visible) {
      EXPECT_GE(control->mapTo(w.TabSheet1, QPoint(0, 0)).x(), 256);
    }
  }
  for (const char* name : {"EDTIP", "EDTPort", "EDTDeviceID", "EDTCOMNum", "EDTBaudRate", "Edit1",
                           "APNEdit", "EDTUserName", "EDTpsw", "EDTNum"})
    EXPECT_FALSE(w.findChild<QLineEdit*>(name)->hasFrame()) << name << " is flat";
}

// Tab order within each parent follows the window's focus chain.
TEST_F(Inventory, TabOrderWithinEachParent) {
  TKestrune& w = Window();
  const FocusChain chain(w);
  std::map<QWidget*, std::map<int, QString>> byParent;  // parent -> tab order -> name
  for (const Control& c : kModemPage)
    if (c.tabOrder >= 0) {
      auto* control = w.TabSheet1->findChild<QWidget*>(c.name);
      byParent[control->parentWidget()][c.tabOrder] = c.name;
    }
  for (auto& [parent, order] : byParent) {
    int last = -1;
    for (auto& [tab, name] : order) {
      const int at = chain.Position(w.findChild<QWidget*>(name));
      EXPECT_GT(at, last) << name.toStdString() << " comes too early in "
                          << parent->objectName().toStdString();
      last = at;
    }
  }
}

TEST_F(Inventory, FixedWindowWithOneReachableTab) {
  TKestrune& w = Window();
  w.show();
  EXPECT_EQ(w.windowTitle(), "Pellmora");
  EXPECT_EQ(w.size(), QSize(259, 339));
  EXPECT_EQ(w.minimumSize(), w.maximumSize());
  const Qt::WindowFlags flags = w.windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_EQ(w.font().pixelSize(), 11);
  EXPECT_EQ(w.TabSheet2->font().pixelSize(), 13);

  QTabWidget* pages = w.PageControl1;
  EXPECT_EQ(pages->currentWidget(), w.TabSheet1);
  EXPECT_EQ(pages->tabText(0), "ModemConfig");
  EXPECT_EQ(pages->tabText(1), "WirfiOptions");
  EXPECT_TRUE(pages->isTabVisible(0));
  EXPECT_FALSE(pages->isTabVisible(1));

  pages->setCurrentIndex(1);
  EXPECT_EQ(pages->currentWidget(), w.TabSheet1);
  pages->tabBar()->setFocus();
  QTest::keyClick(pages->tabBar(), Qt::Key_Right);
  QTest::keyClick(pages, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(pages->currentWidget(), w.TabSheet1);
  EXPECT_FALSE(w.TabSheet2->isVisible());
}

}  // namespace
}  // namespace app_tests
