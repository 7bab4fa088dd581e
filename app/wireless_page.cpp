// The wireless page's state rules: which combo box items, groups and edits
// follow from the network mode, authentication, encryption and password mode.
#include "app/KestruneMain.h"
#include "app/wireless_controls.h"
#include "app/wireless_keys.h"

namespace {

const QStringList kInfrastructureAuthentication{"OPEN", "SHARED", "WEPAUTO", "WPAPSK", "WPA2PSK"};
// The handlers work with indexes: "WPANONE" stands at 2, "WEPAUTO" at 3.
const QStringList kAdHocAuthentication{"OPEN", "SHARED", "WPANONE", "WEPAUTO"};
const QStringList kWepEncryption{"NONE", "WEP"};
const QStringList kWpaEncryption{"TKIP", "AES"};

constexpr int kInfrastructure = 0;
constexpr int kAdHoc = 1;
constexpr int kEncryptionNone = 0;
constexpr int kEncryptionWep = 1;

bool InfrastructureMode(const TKestrune& w) {
  return w.WirelessModelCob->ItemIndex() == kInfrastructure;
}

void SetKeyEditsEnabled(const TKestrune& w, bool enabled) {
  for (platform::TEdit* edit : WepKeyEdits(w)) edit->setEnabled(enabled);
}

void SetKeyEditsMaxLength(const TKestrune& w, int length) {
  for (platform::TEdit* edit : WepKeyEdits(w)) edit->SetMaxLength(length);  // never cuts
}

// Item lists and indexes set from here never run the combo boxes' handlers.
void ShowList(platform::TComboBox* combo, const QStringList& items, int index) {
  combo->SetItems(items);
  combo->SetItemIndex(index);
}

void ApplyWepLayout(const TKestrune& w) {
  if (!w.WepPasswordRadio2->Checked() && !w.WepPasswordRadio3->Checked() &&
      !w.WepPasswordRadio4->Checked())
    w.WepPasswordRadio1->SetChecked(true);
  w.WEPGroup->setEnabled(true);
  w.WPAGroup->setEnabled(false);
  w.PasswordModeCob->setEnabled(true);
  SetKeyEditsEnabled(w, true);
  w.WAPpasswordEdit->setEnabled(false);
}

// Only key 1 is cleared: a default key 2, 3 or 4 survives.
void ApplyWpaLayout(const TKestrune& w) {
  w.WepPasswordRadio1->SetChecked(false);
  w.WEPGroup->setEnabled(false);
  w.WPAGroup->setEnabled(true);
  w.PasswordModeCob->setEnabled(false);
  SetKeyEditsEnabled(w, false);
  w.WAPpasswordEdit->setEnabled(true);
}

void ApplyNoKeyLayout(const TKestrune& w) {
  w.AuthenticationTypeCob->SetItemIndex(0);
  if (InfrastructureMode(w)) w.WepPasswordRadio1->SetChecked(false);
  w.WEPGroup->setEnabled(false);
  w.WPAGroup->setEnabled(false);
  w.PasswordModeCob->setEnabled(false);
  SetKeyEditsEnabled(w, false);
  w.WAPpasswordEdit->setEnabled(false);
}

// The model and authentication handlers reapply mode 0's length only.
void ApplyModeZeroLength(const TKestrune& w) {
  if (w.PasswordModeCob->ItemIndex() == 0) SetKeyEditsMaxLength(w, WepKeyLength(0));
}

// The TCP/IP parameters enabled and the RS232 ones disabled, or the opposite.
void ApplyLinkChoice(const TKestrune& w, bool tcpIp) {
  for (QWidget* control : std::initializer_list<QWidget*>{w.GroupBox4, w.AddressIP, w.PortEdtWire})
    control->setEnabled(tcpIp);
  for (QWidget* control : std::initializer_list<QWidget*>{w.GroupBox5, w.DeviceIdEdt, w.Edit5,
                                                          w.ComIDEdit, w.BaudRateEdit})
    control->setEnabled(!tcpIp);
}

// Digits and control characters pass; everything else is swallowed.
void FilterDigits(char16_t& key) {
  const bool digit = key >= u'0' && key <= u'9';
  if (!digit && key >= 32) key = 0;
}

}  // namespace

void TKestrune::WirelessModelCobChange() {
  const int model = WirelessModelCob->ItemIndex();
  if (model == kInfrastructure || model == kAdHoc) {
    ShowList(AuthenticationTypeCob,
             model == kInfrastructure ? kInfrastructureAuthentication : kAdHocAuthentication, 0);
    ShowList(WepEncryptCob, kWepEncryption, kEncryptionWep);
    ApplyWepLayout(*this);
  }
  ApplyModeZeroLength(*this);
}

void TKestrune::AuthenticationTypeCobChange() {
  const int authentication = AuthenticationTypeCob->ItemIndex();
  const bool infrastructure = InfrastructureMode(*this);
  const bool wep = infrastructure
                       ? authentication >= 0 && authentication <= 2
                       : authentication == 0 || authentication == 1 || authentication == 3;
  const bool wpa =
      infrastructure ? authentication == 3 || authentication == 4 : authentication == 2;
  if (wep) {
    ShowList(WepEncryptCob, kWepEncryption, kEncryptionWep);
    ApplyWepLayout(*this);
  } else if (wpa) {
    ShowList(WepEncryptCob, kWpaEncryption, 0);
    ApplyWpaLayout(*this);
  }
  ApplyModeZeroLength(*this);
}

void TKestrune::WepEncryptCobChange() {
  const int authentication = AuthenticationTypeCob->ItemIndex();
  const bool wpa = InfrastructureMode(*this)
                       ? authentication == 3 || authentication == 4
                       : !(authentication == 0 || authentication == 1 || authentication == 3);
  if (wpa) {
    ApplyWpaLayout(*this);
    return;
  }
  switch (WepEncryptCob->ItemIndex()) {
    case kEncryptionNone:
      ApplyNoKeyLayout(*this);
      break;
    case kEncryptionWep:
      ApplyWepLayout(*this);
      ApplyWepKeyLengths();
      break;
    default:
      break;
  }
}

void TKestrune::PasswordModeCobChange() {
  const int mode = PasswordModeCob->ItemIndex();
  if (IsPasswordMode(mode)) SetKeyEditsMaxLength(*this, WepKeyLength(mode));
}

void TKestrune::DisableRadioClick() {
  GroupBox7->setEnabled(false);
  WEPGroup->setEnabled(false);
  WPAGroup->setEnabled(false);
}

// Restores only the side the combo boxes call for; the other group keeps the
// disabled state the Disable click gave it.
void TKestrune::ActiveRadioClick() {
  GroupBox7->setEnabled(true);
  GroupBox2->setEnabled(true);
  const QString authentication = AuthenticationTypeCob->Text();
  if (WepEncryptCob->Text() == QLatin1String("NONE")) {
    WEPGroup->setEnabled(false);
    WPAGroup->setEnabled(false);
    PasswordModeCob->setEnabled(false);
    SetKeyEditsEnabled(*this, false);
  } else if (authentication == QLatin1String("WPAPSK") ||
             authentication == QLatin1String("WPA2PSK") ||
             authentication == QLatin1String("WPANONE")) {
    WPAGroup->setEnabled(true);
    WAPpasswordEdit->setEnabled(true);
  } else {
    WEPGroup->setEnabled(true);
    PasswordModeCob->setEnabled(true);
    SetKeyEditsEnabled(*this, true);
  }
}

void TKestrune::TC_IPRadioClick() { ApplyLinkChoice(*this, true); }

void TKestrune::RS232RadioClick() { ApplyLinkChoice(*this, false); }

void TKestrune::PortEdtWireKeyPress(char16_t& key) { FilterDigits(key); }
void TKestrune::DeviceIdEdtKeyPress(char16_t& key) { FilterDigits(key); }
void TKestrune::ComIDEditKeyPress(char16_t& key) { FilterDigits(key); }
void TKestrune::BaudRateEditKeyPress(char16_t& key) { FilterDigits(key); }
