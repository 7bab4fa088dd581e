// The modem page: the Set button and the connection-type buttons.
#include "app/KestruneMain.h"
#include "app/ansi.h"
#include "app/connect.h"
#include "app/connection_session.h"
#include "device/Vandrel.h"
#include "platform/qt/messages.h"

void TKestrune::Button1Click() {
  exchange_.Run([this] {
    if (TrimBlanks(EDTNum->text()).isEmpty() && CMBModem->ItemIndex() != 1) {
      platform::ShowInformation("Dial number can not be null,you must input it,please!");
      return;
    }
    if (RadioButton1->Checked()) {
      if (ConnectTcp(SystemHandle(), EDTIP->text(), EDTPort->text()) == 0)
        platform::ShowInformation("can not connect with device");
      else
        RunModemExchange();
    }
    if (RadioButton2->Checked()) {
      if (ConnectSerial(Edit1->text() + EDTCOMNum->text(), EDTDeviceID->text(),
                        EDTBaudRate->text()) == 0)
        platform::ShowInformation("can not connect with device");
      else
        RunModemExchange();
    }
  });
}

void TKestrune::RunModemExchange() {
  ConnectionSession session(Vandrel::ActiveConnection);
  Vandrel::BeginConfiguration();
  Vandrel::ReadOption(Vandrel::ActiveConnection, "~OS");
  const std::vector<std::string> lines{
      "~MODEM=2",
      "APN=" + Ansi(APNEdit->text()),
      "ModemUserName=" + Ansi(EDTUserName->text()),
      "ModemPassword=" + Ansi(EDTpsw->text()),
      "ModemDialNumber=" + Ansi(EDTNum->text()),
  };
  const int accepted = Vandrel::UploadOptions(lines);
  if (accepted == static_cast<int>(lines.size()))
    platform::ShowPlain("Set successfully! please reboot the device");
  else
    platform::ShowPlain("Set fali!");
  session.Finish();
}

void TKestrune::RadioButton1Click() {
  if (!RadioButton1->Checked()) return;
  EDTIP->setEnabled(true);
  EDTPort->setEnabled(true);
  Edit1->setEnabled(false);
  EDTCOMNum->setEnabled(false);
  EDTBaudRate->setEnabled(false);
}

void TKestrune::RadioButton2Click() {
  if (!RadioButton2->Checked()) return;
  Edit1->setEnabled(true);
  EDTCOMNum->setEnabled(true);
  EDTBaudRate->setEnabled(true);
  EDTIP->setEnabled(false);
  EDTPort->setEnabled(false);
}

void TKestrune::CMBModemChange() {
  const int index = CMBModem->ItemIndex();
  const bool serialModem = index == 1;
  for (QWidget* control : std::initializer_list<QWidget*>{
           CMBConnect, GroupBox1, CMBKeep, EDTAutoUPT, CMDChcekM, Edit2, Edit3, Edit4})
    control->setEnabled(!serialModem);
  if (!serialModem) Label21->show();
  APNEdit->show();
  if (index == 3) {
    Label21->hide();
    APNEdit->hide();
  }
}

void TKestrune::RadioButton4Click() {
  if (!RadioButton4->Checked()) return;
  Label19->hide();
  Edit4->hide();
  Label23->show();
  Label22->show();
  DNSIPEdit->show();
  URLEdit->show();
  Edit4->SetText("0.0.0.0");
}

void TKestrune::RadioButton3Click() {
  if (!RadioButton3->Checked()) return;
  Label19->show();
  Edit4->show();
  Label22->hide();
  Label23->hide();
  URLEdit->hide();
  DNSIPEdit->hide();
  DNSIPEdit->SetText("0.0.0.0");
  URLEdit->clear();
}
