// What each opening shows, closing without saving, and the modal run with
// its one dialog per opening.
#include <QTimer>
#include <functional>

#include "dialog_fixture.h"

namespace dialogs_tests {
namespace {

struct OpeningCase {
  const char* label;
  const char* file;  // nullptr: no file
  bool fixed;        // "Config IP Address" checked and the controls enabled
  const char* address;
  const char* mask;
  const char* gateway;
};

void PrintTo(const OpeningCase& c, std::ostream* out) { *out << c.label; }

class OpeningTest : public DialogTest, public testing::WithParamInterface<OpeningCase> {};

TEST_P(OpeningTest, ShowsWhatTheFileHolds) {
  const OpeningCase& c = GetParam();
  if (c.file) WriteSettingsFile(c.file);
  TIPconfigFrm& dialog = Open();
  EXPECT_EQ(dialog.AssignIPRadio->Checked(), c.fixed);
  EXPECT_EQ(dialog.AutoGetIPRadio->Checked(), !c.fixed);
  EXPECT_EQ(dialog.AssignIPGroup->isEnabled(), c.fixed);
  for (platform::TJvIPAddress* edit :
       {dialog.IPAddressEdt, dialog.SubnetMaskEdt, dialog.GateWayEdt})
    EXPECT_EQ(edit->isEnabledTo(dialog.AssignIPGroup), c.fixed) << edit->objectName().toStdString();
  EXPECT_EQ(dialog.IPAddressEdt->Text(), c.address);
  EXPECT_EQ(dialog.SubnetMaskEdt->Text(), c.mask);
  EXPECT_EQ(dialog.GateWayEdt->Text(), c.gateway);
  if (!c.fixed) {
    EXPECT_EQ(dialog.IPAddressEdt->Field(0)->text(), "") << "controls are blank";
  }
  EXPECT_TRUE(boxes.Boxes().empty());
}

const char kStored[] =
    "[Config]\r\nIPaddress=10.1.2.3\r\nsubMask=255.0.0.0\r\nGateWay=10.1.2.1\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, OpeningTest,
    testing::Values(OpeningCase{"NoFile", nullptr, false, "0.0.0.0", "0.0.0.0", "0.0.0.0"},
                    OpeningCase{
                        "Fixed",
                        "[Config]\r\nIPRadio=1\r\nIPaddress=10.1.2.3\r\nsubMask=255.0.0.0\r\n"
                        "GateWay=10.1.2.1\r\n",
                        true, "10.1.2.3", "255.0.0.0", "10.1.2.1"},
                    // Keys match without regard to case.
                    OpeningCase{"FixedOtherCase", "[config]\nipradio=1\nipADDRESS=192.168.1.9\n",
                                true, "192.168.1.9", "0.0.0.0", "0.0.0.0"},
                    // The stored address is not shown while DHCP is stored.
                    OpeningCase{"DhcpAfterFixed", "[Config]\r\nIPRadio=0\r\nIPaddress=10.1.2.3\r\n",
                                false, "0.0.0.0", "0.0.0.0", "0.0.0.0"},
                    OpeningCase{"OtherChoice", "[Config]\r\nIPRadio=2\r\nIPaddress=10.1.2.3\r\n",
                                false, "0.0.0.0", "0.0.0.0", "0.0.0.0"},
                    OpeningCase{"NoChoice", kStored, false, "0.0.0.0", "0.0.0.0", "0.0.0.0"},
                    // Stored values are not validated; the control shows what it can.
                    OpeningCase{"OddValues", "[Config]\r\nIPRadio=1\r\nIPaddress=300.x.1\r\n", true,
                                "255.0.1.0", "0.0.0.0", "0.0.0.0"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DialogTest, ClosingByTheCloseBoxWritesNothingAndDestroysTheDialog) {
  for (const char* before : {static_cast<const char*>(nullptr), kStored}) {
    SCOPED_TRACE(before ? "file present" : "no file");
    RemoveSettingsFile();
    if (before) WriteSettingsFile(before);
    const std::string content = SettingsFileContent();

    TIPconfigFrm& dialog = Open();
    dialog.AssignIPRadio->click();
    dialog.IPAddressEdt->SetText("172.16.0.5");
    dialog.GateWayEdt->SetText("172.16.0.1");
    dialog.AutoGetIPRadio->click();
    dialog.AssignIPRadio->click();
    QPointer<TIPconfigFrm> watched = &dialog;
    EXPECT_TRUE(dialog.close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull()) << "closing destroys the dialog";
    EXPECT_EQ(SettingsFileContent(), content);
    EXPECT_TRUE(boxes.Boxes().empty());
  }
}

int OpenDialogs() {
  int count = 0;
  for (QWidget* window : QApplication::topLevelWidgets())
    count += qobject_cast<TIPconfigFrm*>(window) != nullptr;
  return count;
}

// Acts on the modal dialog once the modal run has shown it.
void WhenModal(std::function<void(TIPconfigFrm&)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<TIPconfigFrm*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      ADD_FAILURE() << "no IP settings dialog is open";
      if (QWidget* other = QApplication::activeModalWidget()) other->close();
      return;
    }
    act(*dialog);
  });
}

TEST_F(DialogTest, EachModalRunHasItsOwnDialogDestroyedWhenItCloses) {
  QPointer<TIPconfigFrm> first;
  WhenModal([&](TIPconfigFrm& dialog) {
    first = &dialog;
    EXPECT_EQ(dialog.parentWidget(), nullptr);
    EXPECT_TRUE(dialog.isModal());
    dialog.AssignIPRadio->click();
    dialog.IPAddressEdt->SetText("10.1.2.3");
    dialog.SubnetMaskEdt->SetText("255.0.0.0");
    dialog.GateWayEdt->SetText("10.1.2.1");
    dialog.SetIP->click();
  });
  ShowIPConfigDialog();
  EXPECT_TRUE(first.isNull());

  // The next opening is a new dialog that shows what the first one saved;
  // it is closed by its close box.
  bool shown = false;
  WhenModal([&](TIPconfigFrm& dialog) {
    shown = true;
    EXPECT_TRUE(dialog.AssignIPRadio->Checked());
    EXPECT_EQ(dialog.IPAddressEdt->Text(), "10.1.2.3");
    dialog.close();
  });
  const std::string saved = SettingsFileContent();
  ShowIPConfigDialog();
  EXPECT_TRUE(shown);
  EXPECT_EQ(SettingsFileContent(), saved);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(OpenDialogs(), 0);
  EXPECT_TRUE(boxes.Boxes().empty());
}

}  // namespace
}  // namespace dialogs_tests
