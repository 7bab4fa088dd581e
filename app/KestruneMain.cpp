#include "app/KestruneMain.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "platform/qt/fonts.h"
#include "platform/qt/guard.h"

TKestrune* Kestrune = nullptr;

namespace {

constexpr int kClientWidth = 259;
constexpr int kClientHeight = 339;
constexpr int kWirelessPage = 1;

}  // namespace

TKestrune::TKestrune(QWidget* parent) : QWidget(parent) {
  Kestrune = this;
  setupUi(this);
  ApplyDefinitionValues();
  ConnectHandlers();
  exchange_.OnEndedWithPendingClose = [this] { QTimer::singleShot(0, this, &QWidget::close); };
  platform::RunGuarded([this] { FormCreate(); });
}

TKestrune::~TKestrune() {
  if (Kestrune == this) Kestrune = nullptr;
}

void* TKestrune::SystemHandle() { return reinterpret_cast<void*>(winId()); }

// What the window's definition holds but a Designer file cannot express.
void TKestrune::ApplyDefinitionValues() {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(kClientWidth, kClientHeight);
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  setFont(platform::WindowFont());
  TabSheet2->setFont(platform::SongFont());

  // The wireless page is built in full but never reachable.
  PageControl1->setCurrentIndex(0);
  PageControl1->setTabVisible(kWirelessPage, false);
  connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
    if (index == kWirelessPage) PageControl1->setCurrentIndex(0);
  });

  Edit4->SetText("0.0.0.0");
  DNSIPEdit->SetText("0.0.0.0");
  AddressIP->SetText("192.168.1.201");
  WirelessNetEdt->SetMaxLength(31);
  WAPpasswordEdit->SetMaxLength(64);
}

void TKestrune::ConnectHandlers() {
  connect(Button2, &QPushButton::clicked, this, platform::Guarded([this] { Button1Click(); }));
  RadioButton1->OnClick = [this] { RadioButton1Click(); };
  RadioButton2->OnClick = [this] { RadioButton2Click(); };
  CMBModem->OnChange = [this] { CMBModemChange(); };
  RadioButton3->OnClick = [this] { RadioButton3Click(); };
  RadioButton4->OnClick = [this] { RadioButton4Click(); };
  ConnectWirelessHandlers();
  connect(IPoptionsBitB, &QPushButton::clicked, this, [this] { IPoptionsBitBClick(); });
  connect(SetBitB, &QPushButton::clicked, this, platform::Guarded([this] { SetBitBClick(); }));
  connect(TestConnectBtn, &QPushButton::clicked, this,
          platform::Guarded([this] { TestConnectBtnClick(); }));
}

void TKestrune::closeEvent(QCloseEvent* event) {
  // Closing during an exchange would destroy the window under the running
  // handler: the close waits until the exchange has ended.
  if (exchange_.Running()) {
    exchange_.RequestClose();
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}
