// The modem upload end to end: the real device library against the emulator.
#include "emulator/harness/emulator_process.h"
#include "window_fixture.h"

namespace app_tests {
namespace {

class ModemAgainstEmulator : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveSettingsFiles();
    Vandrel::SetSleeper([](int) {});
    Vandrel::SetArpFlushLauncher([](void*) {});
    Vandrel::SetProcessKiller([](const std::string&) { return 0; });  // other tests' processes
  }
  void TearDown() override {
    Vandrel::SetSleeper(nullptr);
    Vandrel::SetArpFlushLauncher(nullptr);
    Vandrel::SetProcessKiller(nullptr);
    RemoveSettingsFiles();
  }
  void Start(std::vector<std::string> args) {
    args.insert(args.end(), {"--store", dir.Path() + "/store.txt", "--quiet"});
    std::string error;
    ASSERT_TRUE(emulator.Start(args, &error)) << error;
  }
  void FillDialFields(TKestrune& w) {
    w.APNEdit->setText("internet");
    w.EDTUserName->setText("user one");
    w.EDTpsw->setText("p=ss");
    w.EDTNum->setText("*99***1#");
  }
  // Reads back through a fresh TCP connection of the library itself.
  std::string Read(int port, const std::string& name) {
    const auto handle = Vandrel::TORVAK_INIT("brisel.dll", "127.0.0.1", port, 0, 0, 0);
    EXPECT_NE(handle, 0);
    const std::string value = Vandrel::ReadOption(handle, name);
    Vandrel::TORVAK_CLOSE(handle);
    return value;
  }
  void ExpectStored(int port) {
    EXPECT_EQ(Read(port, "~MODEM"), "2");
    EXPECT_EQ(Read(port, "APN"), "internet");
    EXPECT_EQ(Read(port, "ModemUserName"), "user one");
    EXPECT_EQ(Read(port, "ModemPassword"), "p=ss");
    EXPECT_EQ(Read(port, "ModemDialNumber"), "*99***1#");
  }

  harness::TempDir dir;
  harness::EmulatorProcess emulator;
  platform::MessageRecorder boxes;
};

const platform::RecordedBox kSuccess =
    Box(platform::BoxKind::Plain, "Pellmora", "Set successfully! please reboot the device");

TEST_F(ModemAgainstEmulator, OverTcp) {
  Start({"--tcp", "127.0.0.1:0"});
  TKestrune w;
  w.EDTIP->setText("127.0.0.1");
  w.EDTPort->setText(QString::number(emulator.Port()));
  FillDialFields(w);
  w.Button2->click();
  EXPECT_EQ(boxes.Boxes(), std::vector{kSuccess});
  ExpectStored(emulator.Port());
}

TEST_F(ModemAgainstEmulator, OverAPseudoTerminal) {
  const std::string link = dir.Path() + "/ttyEMU0";
  Start({"--pty", link, "--tcp", "127.0.0.1:0", "--device-number", "2"});
  TKestrune w;
  w.RadioButton2->click();
  w.Edit1->setText(QString::fromStdString(dir.Path() + "/ttyEMU"));
  w.EDTCOMNum->setText("0");
  w.EDTDeviceID->setText("2");
  FillDialFields(w);
  w.Button2->click();
  EXPECT_EQ(boxes.Boxes(), std::vector{kSuccess});
  ExpectStored(emulator.Port());
}

TEST_F(ModemAgainstEmulator, UnreachableAddress) {
  TKestrune w;
  w.EDTIP->setText("127.0.0.1");
  w.EDTPort->setText("1");  // nothing listens there
  w.Button2->click();
  EXPECT_EQ(boxes.Boxes(), std::vector{Box(platform::BoxKind::Information, "Information",
                                           "can not connect with device")});
}

}  // namespace
}  // namespace app_tests
