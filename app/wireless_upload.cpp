// The wireless page's Set button: checks, confirmation, upload, local record.
#include "app/KestruneMain.h"
#include "app/ansi.h"
#include "app/connect.h"
#include "app/connection_session.h"
#include "app/local_record.h"
#include "app/stored_settings.h"
#include "app/wireless_controls.h"
#include "device/Vandrel.h"
#include "platform/qt/messages.h"

namespace {

// The points in which the two transports differ.
struct TransportTexts {
  QString confirmation;
  void (*result)(const QString&);
};

void Information(const QString& text) { platform::ShowInformation(text); }
void Warning(const QString& text) { platform::ShowWarning(text); }

const TransportTexts kTcpTexts{QString::fromUtf8("Are you  sure to set ？"), Information};
const TransportTexts kSerialTexts{QString::fromUtf8("Are you sure to set ？"), Warning};

// The short-key warnings by key (row) and recorded mode (column).
const char* const kShortKeyTexts[4][4] = {
    {"Password 1, please input enter 64-bit(104+24)-10 hexadecimal digits",
     "Password 1, please input 128-bit(104+24)-26 hexadecimal digits",
     "Password 1,please input 64-bit(40+24)-5 ASCII characters",
     "Password 1,please input 128-bit(104+24)-13 ASCII characters"},
    {"Password 2,please input enter 64-bit(104+24)-10 hexadecimal digits",
     "Password 2,please input 128-bit(104+24)-26 hexadecimal digits",
     "Password 2,please input 64-bit(40+24)-5 ASCII characters",
     "Password 2,please input 128-bit(104+24)-13 ASCII characters"},
    {"Password 3,please input 64-bit(104+24)-10 hexadecimal digits",
     "Password 3,please input 128-bit(104+24)-26 hexadecimal digits",
     "Password 3,please input 64-bit(40+24)-5 ASCII characters",
     "Password 3,please input 128-bit(104+24)-13 ASCII characters"},
    {"Password 4,please input 64-bit(104+24)-10 hexadecimal digits",
     "Password 4,please input 128-bit(104+24)-26 hexadecimal digits",
     "Password 4,please input 64-bit(40+24)-5 ASCII characters",
     "Password 4,please input 128-bit(104+24)-13 ASCII characters"},
};

// Key and mode of a line "p<K>=<M>" with K 1..4 and M 0..3; false otherwise.
bool ParseShortKeyMark(const QString& line, int* key, int* mode) {
  if (line.size() != 4 || line[0] != 'p' || line[2] != '=') return false;
  *key = line[1].digitValue();
  *mode = line[3].digitValue();
  return *key >= 1 && *key <= 4 && *mode >= 0 && *mode <= 3;
}

// Shows the box of the first failing check and moves the focus there.
bool Refuse(void (*box)(const QString&), const char* text, QWidget* focus) {
  box(QString::fromUtf8(text));
  focus->setFocus();
  return true;
}

}  // namespace

void TKestrune::SetBitBClick() {
  exchange_.Run([this] {
    // Whatever way the click ends, the marks go and the recorded modes are
    // forgotten.
    struct Cleanup {
      TKestrune& window;
      ~Cleanup() {
        window.ShortKeyMarks.reset();
        WepKeyModes.fill(kNoRecordedMode);
      }
    } cleanup{*this};

    if (TC_IPRadio->Checked()) RunWirelessUpload(true);
    if (RS232Radio->Checked()) RunWirelessUpload(false);
  });
}

bool TKestrune::WirelessInputRefused(bool tcp) {
  if (tcp) {
    if (TrimBlanks(WirelessNetEdt->text()).isEmpty())
      return Refuse(Information, "ID(SSID) can not be null,you must input it,please!",
                    WirelessNetEdt);
    if (AddressIP->Text() == "0.0.0.0") {
      platform::ShowWarning("AddressIP can not be null,you must input it ,pls!",
                            QString::fromUtf8("提示"));
      AddressIP->setFocus();
      return true;
    }
    if (TrimBlanks(PortEdtWire->text()).isEmpty())
      return Refuse(Warning, "PortEdtWire can not be null,you must input it ,pls!", PortEdtWire);
    return false;
  }
  if (TrimBlanks(DeviceIdEdt->text()).isEmpty())
    return Refuse(Warning, "DeviceId can not be null,you must input it ,pls!", DeviceIdEdt);
  if (TrimBlanks(ComIDEdit->text()).isEmpty())
    return Refuse(Warning, "ComPort can not be null,you must input it ,pls!", ComIDEdit);
  if (TrimBlanks(BaudRateEdit->text()).isEmpty())
    return Refuse(Warning, "BaudRate can not be null,you must input it ,pls!", BaudRateEdit);
  return false;
}

bool TKestrune::ShortKeyRefused() {
  CollectShortKeyMarks();
  for (const QString& line : *ShortKeyMarks) {
    int key = 0, mode = 0;
    if (!ParseShortKeyMark(line, &key, &mode)) continue;
    platform::ShowWarning(QString::fromUtf8(kShortKeyTexts[key - 1][mode]));
    PasswordModeCob->SetItemIndex(mode);
    WepKeyEdits(*this)[key - 1]->setFocus();
    return true;
  }
  TrimWepKeysToMode();
  return false;
}

void TKestrune::RunWirelessUpload(bool tcp) {
  const TransportTexts& texts = tcp ? kTcpTexts : kSerialTexts;
  if (ActiveRadio->Checked() && (WirelessInputRefused(tcp) || ShortKeyRefused())) return;
  ApplyWepKeyLengths();
  if (CheckWirelessKeys()) return;
  if (!platform::ShowConfirmation(texts.confirmation)) return;

  const Vandrel::ConnectionHandle handle =
      tcp ? ConnectTcp(SystemHandle(), AddressIP->Text(), PortEdtWire->text())
          : ConnectSerial(Edit5->text() + ComIDEdit->text(), DeviceIdEdt->text(),
                          BaudRateEdit->text());
  if (handle == 0) {
    platform::ShowInformation("can not connect with device");
    return;
  }

  // From here on the exchange is ended and the connection closed on every
  // way out, a refused write of the local record included.
  ConnectionSession session(handle);
  Vandrel::BeginConfiguration();
  Vandrel::ReadOption(handle, "~OS");
  const QStringList options = BuildWirelessOptionList();

  WriteOptionRecord(StoredSettingsPath(), options);
  if (tcp)
    SaveNetworkSettings(AddressIP->Text(), PortEdtWire->text());
  else
    SaveSerialSettings(DeviceIdEdt->text(), ComIDEdit->text(), BaudRateEdit->text());

  std::vector<std::string> lines;
  for (const QString& option : options) lines.push_back(Ansi(option));
  if (Vandrel::UploadOptions(lines) == static_cast<int>(lines.size())) {
    texts.result(tcp ? "Set successfully! Device Will restart"
                     : "Set successfully! Device will restart");
    Vandrel::RestartDevice();
  } else {
    texts.result("Set fali!");
  }
  session.Finish();
}
