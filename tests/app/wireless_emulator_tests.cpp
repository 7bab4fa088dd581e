// The wireless upload end to end: the real device library against the emulator.
#include <fstream>

#include "emulator/harness/emulator_process.h"
#include "wireless_fixture.h"

namespace app_tests {
namespace {

class WirelessAgainstEmulator : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveSettingsFiles();
    ResetWepKeyState();
    Vandrel::SetSleeper([](int) {});
    Vandrel::SetArpFlushLauncher([](void*) {});
    Vandrel::SetProcessKiller([](const std::string&) { return 0; });  // other tests' processes
    std::ofstream(BesideExecutable("IPconfig.ini"))
        << "[Config]\nIPaddress=10.1.2.3\nsubMask=255.0.0.0\nGateWay=10.1.2.1\nIPRadio=1\n";
  }
  void TearDown() override {
    Vandrel::SetSleeper(nullptr);
    Vandrel::SetArpFlushLauncher(nullptr);
    Vandrel::SetProcessKiller(nullptr);
    RemoveSettingsFiles();
  }
  void Start(std::vector<std::string> args) {
    args.insert(args.end(), {"--store", dir.Path() + "/store.txt"});
    std::string error;
    ASSERT_TRUE(emulator.Start(args, &error)) << error;
  }
  std::string Read(const std::string& name) {
    const auto handle = Vandrel::TORVAK_INIT("brisel.dll", "127.0.0.1", emulator.Port(), 0, 0, 0);
    EXPECT_NE(handle, 0);
    const std::string value = Vandrel::ReadOption(handle, name);
    Vandrel::TORVAK_CLOSE(handle);
    return value;
  }
  void Upload(TKestrune& w) {
    w.WirelessNetEdt->setText("office");
    Choose(w.AuthenticationTypeCob, 3);  // WPAPSK
    w.WAPpasswordEdit->setText("long passphrase");
    w.SetBitB->click();
    ASSERT_FALSE(boxes.Boxes().empty());
    EXPECT_TRUE(boxes.Boxes().back().text.startsWith("Set successfully"))
        << boxes.Boxes().back().text.toStdString();
  }
  void ExpectStoredAndRestarted() {
    // The restart is carried out once the client has gone.
    EXPECT_TRUE(emulator.WaitForOutput("restart: done", std::chrono::seconds(5)))
        << emulator.Output();
    EXPECT_EQ(Read("WIFI"), "1");
    EXPECT_EQ(Read("SSID"), "office");
    EXPECT_EQ(Read("AuthMode"), "WPAPSK");
    EXPECT_EQ(Read("EncrypType"), "TKIP");
    EXPECT_EQ(Read("WPAPSK"), "long passphrase");
    EXPECT_EQ(Read("wifiip"), "10.1.2.3");
    EXPECT_EQ(Read("wifigateway"), "10.1.2.1");
  }

  harness::TempDir dir;
  harness::EmulatorProcess emulator;
  platform::MessageRecorder boxes;
};

TEST_F(WirelessAgainstEmulator, OverTcp) {
  Start({"--tcp", "127.0.0.1:0"});
  TKestrune w;
  w.AddressIP->SetText("127.0.0.1");
  w.PortEdtWire->setText(QString::number(emulator.Port()));
  Upload(w);
  ExpectStoredAndRestarted();
}

TEST_F(WirelessAgainstEmulator, OverAPseudoTerminal) {
  Start({"--pty", dir.Path() + "/ttyWL7", "--tcp", "127.0.0.1:0", "--device-number", "4"});
  TKestrune w;
  w.RS232Radio->click();
  w.Edit5->setText(QString::fromStdString(dir.Path() + "/ttyWL"));  // read-only for the user
  w.ComIDEdit->setText("7");
  w.DeviceIdEdt->setText("4");
  w.BaudRateEdit->setText("115200");
  Upload(w);
  ExpectStoredAndRestarted();
}

}  // namespace
}  // namespace app_tests
