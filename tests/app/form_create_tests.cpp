// Loading the stored connection settings when the window is created.
#include <QDir>
#include <fstream>

#include "window_fixture.h"

namespace app_tests {
namespace {

struct StoredCase {
  const char* label;
  const char* fileText;  // nullptr: no file
  const char* address;
  const char* port;
  const char* deviceId;
  const char* comPort;
  const char* baudRate;
};

class FormCreateTable : public WindowTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(FormCreateTable, FillsTheWirelessConnectionFields) {
  const StoredCase& c = GetParam();
  if (c.fileText) std::ofstream(BesideExecutable("options.ini"), std::ios::binary) << c.fileText;
  TKestrune& w = Window();
  EXPECT_EQ(w.AddressIP->Text(), c.address);
  EXPECT_EQ(w.PortEdtWire->text(), c.port);
  EXPECT_EQ(w.DeviceIdEdt->text(), c.deviceId);
  EXPECT_EQ(w.ComIDEdit->text(), c.comPort);
  EXPECT_EQ(w.BaudRateEdit->text(), c.baudRate);
  // The modem page never comes from the file.
  EXPECT_EQ(w.EDTIP->text(), "192.168.1.201");
  EXPECT_EQ(w.EDTBaudRate->text(), "115200");
  EXPECT_EQ(w.EDTNum->text(), "*99***1#");
  EXPECT_FALSE(std::filesystem::exists(BesideExecutable("options.ini")) && !c.fileText)
      << "reading never creates the file";
}

INSTANTIATE_TEST_SUITE_P(
    Files, FormCreateTable,
    ::testing::Values(
        StoredCase{"NoFile", nullptr, "192.168.1.201", "4370", "1", "1", "57600"},
        StoredCase{"AllKeys",
                   "[Config]\r\nlocatIP=10.0.0.7\r\nPort=5005\r\nDeviceID=3\r\nCOMPort=4\r\n"
                   "Baudrate=9600\r\n",
                   "10.0.0.7", "5005", "3", "4", "9600"},
        StoredCase{"KeyInOtherCase", "[config]\nBAUDRATE=38400\n", "192.168.1.201", "4370", "1",
                   "1", "38400"},
        StoredCase{"EmptyValueGivesDefault", "[Config]\nPort=\nBaudRate=\n", "192.168.1.201",
                   "4370", "1", "1", "57600"},
        StoredCase{"OptionLinesBeforeSection", "WIFI=1\r\nPort=1\r\n[Config]\r\nDeviceID=9\r\n",
                   "192.168.1.201", "4370", "9", "1", "57600"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(WindowTest, SettingsFileInTheCurrentDirectoryIsNotRead) {
  const auto folder = std::filesystem::temp_directory_path() / "pellmora-cwd-test";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "options.ini") << "[Config]\nPort=1234\n";
  const QString previous = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(folder.string()));
  TKestrune& w = Window();
  QDir::setCurrent(previous);
  std::filesystem::remove_all(folder);
  EXPECT_EQ(w.PortEdtWire->text(), "4370");
}

TEST_F(WindowTest, StartStatesOfTheHiddenAndSerialControls) {
  TKestrune& w = Window();
  EXPECT_TRUE(w.Edit4->isEnabled());
  for (QWidget* hidden :
       std::initializer_list<QWidget*>{w.DNSIPEdit, w.Label23, w.URLEdit, w.Label22})
    EXPECT_FALSE(hidden->isVisibleTo(w.GroupBox6));
  EXPECT_TRUE(w.EDTIP->isEnabled());
  EXPECT_FALSE(w.EDTBaudRate->isEnabled());
}

}  // namespace
}  // namespace app_tests
