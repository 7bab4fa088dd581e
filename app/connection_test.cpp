// The wireless page's connection test.
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

#include "app/KestruneMain.h"
#include "app/ansi.h"
#include "app/connect.h"
#include "app/connection_session.h"
#include "device/Vandrel.h"
#include "platform/error.h"
#include "platform/exedir.h"
#include "platform/qt/messages.h"

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

// The result picture beside the program: its folder ends in a separator and
// the name starts with one, which the file system takes as one.
QString ResultPicturePath(bool connected) {
  const std::string name = connected ? "textconnetOK.bmp" : "textconncet.bmp";
  return FromAnsi(platform::ExecutableDirectory() + kSeparator + "bmp" + kSeparator + name);
}

QPixmap LoadPicture(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw platform::Error(Ansi("Cannot open file \"" + path + "\". " + file.errorString()));
  QImageReader reader(&file);
  const QImage image = reader.read();
  if (image.isNull())
    throw platform::Error(Ansi("Cannot open file \"" + path + "\". " + reader.errorString()));
  return QPixmap::fromImage(image);
}

}  // namespace

void TKestrune::ShowTestResult(bool connected) {
  TestConnectBtn->setIcon(QIcon(LoadPicture(ResultPicturePath(connected))));
}

void TKestrune::TestConnectBtnClick() {
  exchange_.Run([this] {
    // Over TCP/IP a connection is followed by the begin command, over RS232
    // it is not; both end the exchange and close after the box and picture.
    if (TC_IPRadio->Checked())
      RunConnectionTest(ConnectTcp(SystemHandle(), AddressIP->Text(), PortEdtWire->text()), true);
    if (RS232Radio->Checked())
      RunConnectionTest(ConnectSerial(Edit5->text() + ComIDEdit->text(), DeviceIdEdt->text(),
                                      BaudRateEdit->text()),
                        false);
  });
}

void TKestrune::RunConnectionTest(Vandrel::ConnectionHandle handle, bool begin) {
  if (handle == 0) {
    platform::ShowInformation("can not connect with device");
    ShowTestResult(false);
    return;
  }
  // A picture that cannot be read still ends the exchange and closes.
  ConnectionSession session(handle);
  if (begin) Vandrel::BeginConfiguration();
  platform::ShowInformation("connect succeed");
  ShowTestResult(true);
  session.Finish();
}
