#pragma once
// The main window: the modem page and the (hidden) wireless page with their
// event handlers.
#include <QStringList>
#include <QWidget>
#include <memory>

#include "app/exchange_guard.h"
#include "device/Vandrel.h"
#include "ui_KestruneMain.h"

class QCloseEvent;

class TKestrune : public QWidget, public Ui::TKestrune {
  Q_OBJECT
 public:
  explicit TKestrune(QWidget* parent = nullptr);
  ~TKestrune() override;

  // The window's system handle, handed to the ARP flush as its owner.
  void* SystemHandle();

  // Creation (stored connection settings and start states).
  void FormCreate();

  // Modem page.
  void Button1Click();
  void RadioButton1Click();
  void RadioButton2Click();
  void CMBModemChange();
  void RadioButton3Click();
  void RadioButton4Click();

  // Wireless page state.
  void WirelessModelCobChange();
  void AuthenticationTypeCobChange();
  void WepEncryptCobChange();
  void PasswordModeCobChange();
  void ActiveRadioClick();
  void DisableRadioClick();
  void TC_IPRadioClick();
  void RS232RadioClick();
  void PortEdtWireKeyPress(char16_t& key);
  void DeviceIdEdtKeyPress(char16_t& key);
  void ComIDEditKeyPress(char16_t& key);
  void BaudRateEditKeyPress(char16_t& key);

  // Wireless key validation.
  void WepPasswordEdt1Exit();
  void WepPasswordEdt2Exit();
  void WepPasswordEdt3Exit();
  void WepPasswordEdt4Exit();
  void WAPpasswordEditExit();
  void ApplyWepKeyLengths();
  void CollectShortKeyMarks();
  void TrimWepKeysToMode();
  bool CheckWirelessKeys();

  // Wireless upload, connection test, IP settings dialog.
  QStringList BuildWirelessOptionList();
  void SetBitBClick();
  void TestConnectBtnClick();
  void IPoptionsBitBClick();

  // The keys found too short before an upload; absent between Set clicks.
  std::unique_ptr<QStringList> ShortKeyMarks;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ApplyDefinitionValues();
  void ConnectHandlers();
  void ConnectWirelessHandlers();
  void RunModemExchange();
  void RunWirelessUpload(bool tcp);
  bool WirelessInputRefused(bool tcp);
  bool ShortKeyRefused();
  void RunConnectionTest(Vandrel::ConnectionHandle handle, bool begin);
  void ShowTestResult(bool connected);

  ExchangeGuard exchange_;
};

// The one main window, set when it is created.
extern TKestrune* Kestrune;
