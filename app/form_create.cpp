// Start states of the window and the stored connection settings.
#include "app/KestruneMain.h"
#include "app/stored_settings.h"

void TKestrune::FormCreate() {
  if (RadioButton3->Checked()) {
    Edit4->setEnabled(true);
    DNSIPEdit->hide();
    Label23->hide();
    URLEdit->hide();
    Label22->hide();
  }
  if (RadioButton1->Checked()) {
    EDTIP->setEnabled(true);
    EDTPort->setEnabled(true);
    Edit1->setEnabled(false);
    EDTCOMNum->setEnabled(false);
    EDTBaudRate->setEnabled(false);
  }

  auto stored = [](const char* key, const char* fallback) {
    const QString value = ReadStoredSetting(key);
    return value.isEmpty() ? QString(fallback) : value;
  };
  AddressIP->SetText(stored("locatIP", "192.168.1.201"));
  PortEdtWire->setText(stored("Port", "4370"));
  DeviceIdEdt->setText(stored("DeviceID", "1"));
  ComIDEdit->setText(stored("COMPort", "1"));
  BaudRateEdit->setText(stored("BaudRate", "57600"));

  EDTNum->setText("*99***1#");
}
