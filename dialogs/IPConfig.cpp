#include "dialogs/IPConfig.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include "dialogs/subnet_mask.h"
#include "platform/qt/fonts.h"
#include "platform/qt/guard.h"
#include "platform/qt/messages.h"

bool FirstOctetWarningShown = false;

TIPconfigFrm::TIPconfigFrm(QWidget* parent) : QDialog(parent) {
  setupUi(this);
  ApplyDefinitionValues();
  ConnectHandlers();
  FormCreate();
}

// What the dialog's definition holds but a Designer file cannot express.
void TIPconfigFrm::ApplyDefinitionValues() {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  // Until the window system reports its frame the client takes the whole
  // outer size; FitOuterSize shrinks it once the frame is known.
  setFixedSize(kOuterWidth, kOuterHeight);
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  setFont(platform::SongFont());
  // The labels keep their position and size to their text in this font.
  for (QLabel* label : {Label1, Label2, Label3}) label->adjustSize();
  SetIP->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  Cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
}

void TIPconfigFrm::ConnectHandlers() {
  // The controls run their callbacks guarded; the buttons are guarded here.
  AutoGetIPRadio->OnClick = [this] { AutoGetIPRadioClick(); };
  AssignIPRadio->OnClick = [this] { AssignIPRadioClick(); };
  IPAddressEdt->OnExit = [this] { IPAddressEdtExit(); };
  IPAddressEdt->OnFieldChange = [this](int index, int& value) {
    IPAddressEdtFieldChange(index, value);
  };
  connect(SetIP, &QPushButton::clicked, this, platform::Guarded([this] { SetIPClick(); }));
  // A button of the Cancel kind closes the dialog after its handler.
  connect(Cancel, &QPushButton::clicked, this, [this] {
    if (platform::RunGuarded([this] { CancelClick(); })) reject();
  });
}

int TIPconfigFrm::ShowModal() {
  const int result = exec();
  if (show_error_) std::rethrow_exception(std::exchange(show_error_, nullptr));
  return result;
}

void TIPconfigFrm::done(int result) {
  platform::RunGuarded([this] { FormClose(); });
  QDialog::done(result);
}

void TIPconfigFrm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  FitOuterSize();
  CentreOnScreen();
  try {
    FormShow();
  } catch (...) {
    // Qt must not see the error; ShowModal raises it once the dialog has
    // closed. The close is queued because exec's loop is not running yet.
    show_error_ = std::current_exception();
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
  }
}

void TIPconfigFrm::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  // Window managers report the frame only after framing the window, which
  // moves it.
  if (isVisible()) FitOuterSize();
}

void TIPconfigFrm::keyPressEvent(QKeyEvent* event) {
  // Escape works only through a Cancel button that can be clicked; this one
  // is hidden, so Escape does nothing.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    if (Cancel->isVisible() && Cancel->isEnabled()) Cancel->click();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TIPconfigFrm::FitOuterSize() {
  const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
  if (frame == fitted_frame_) return;
  fitted_frame_ = frame;
  setFixedSize(kOuterWidth - frame.left() - frame.right(),
               kOuterHeight - frame.top() - frame.bottom());
  CentreOnScreen();
}

void TIPconfigFrm::CentreOnScreen() {
  const QScreen* target = screen() ? screen() : QGuiApplication::primaryScreen();
  if (target == nullptr) return;
  const QRect area = target->geometry();
  const QSize outer = size().grownBy(fitted_frame_);
  move(area.x() + (area.width() - outer.width()) / 2,
       area.y() + (area.height() - outer.height()) / 2);
}

void TIPconfigFrm::FormCreate() {
  if (AutoGetIPRadio->Checked()) {
    AssignIPGroup->setEnabled(false);
    for (platform::TJvIPAddress* edit : {IPAddressEdt, SubnetMaskEdt, GateWayEdt}) {
      edit->setEnabled(false);
      edit->SetText("");
    }
  }
  if (AssignIPRadio->Checked()) {
    AssignIPGroup->setEnabled(true);
    for (platform::TJvIPAddress* edit : {IPAddressEdt, SubnetMaskEdt, GateWayEdt})
      edit->setEnabled(true);
  }
}

void TIPconfigFrm::FormShow() {
  const IPConfigValues stored = ReadIPConfig();
  if (stored.choice == "1") {
    AssignIPRadio->SetChecked(true);
    IPAddressEdt->SetText(QString::fromStdString(stored.address));
    SubnetMaskEdt->SetText(QString::fromStdString(stored.mask));
    GateWayEdt->SetText(QString::fromStdString(stored.gateway));
  } else if (stored.choice == "0") {
    AutoGetIPRadio->SetChecked(true);
  }
}

void TIPconfigFrm::FormClose() { setAttribute(Qt::WA_DeleteOnClose); }

void TIPconfigFrm::AutoGetIPRadioClick() {
  if (!AutoGetIPRadio->Checked()) return;
  AssignIPGroup->setEnabled(false);
  for (platform::TJvIPAddress* edit : {IPAddressEdt, SubnetMaskEdt, GateWayEdt}) {
    edit->setEnabled(false);
    edit->SetText("");
  }
}

void TIPconfigFrm::AssignIPRadioClick() {
  if (!AssignIPRadio->Checked()) return;
  AssignIPGroup->setEnabled(true);
  for (platform::TJvIPAddress* edit : {IPAddressEdt, SubnetMaskEdt, GateWayEdt})
    edit->setEnabled(true);
}

void TIPconfigFrm::IPAddressEdtExit() {
  // The mask follows only the first address entered while it is unset.
  if (SubnetMaskEdt->Text() != QLatin1String("0.0.0.0")) return;
  if (const auto mask = ProposedSubnetMask(IPAddressEdt->Text().toStdString()))
    SubnetMaskEdt->SetText(QString::fromStdString(*mask));
}

void TIPconfigFrm::IPAddressEdtFieldChange(int index, int& value) {
  if (index != 0 || (value != 255 && value != 127)) return;
  if (!FirstOctetWarningShown) {
    const int reported = value;
    value = 1;
    FirstOctetWarningShown = true;
    platform::ShowWarning(reported == 255 ? "Do not set first octet of address to 255!"
                                          : "Do not set first octet of address to 127!");
  } else {
    FirstOctetWarningShown = false;
  }
  IPAddressEdt->setFocus();
}

void TIPconfigFrm::SetIPClick() {
  if (AutoGetIPRadio->Checked()) WriteDhcpChoice();
  if (AssignIPRadio->Checked())
    WriteAssignedAddress(IPAddressEdt->Text().toStdString(), SubnetMaskEdt->Text().toStdString(),
                         GateWayEdt->Text().toStdString());
  accept();
}

void TIPconfigFrm::CancelClick() {}
