// Connects the wireless page's controls to their handlers and gives its
// buttons their pictures and the page its default button.
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "app/KestruneMain.h"
#include "app/wireless_controls.h"
#include "app/wireless_pictures.h"

namespace {

constexpr QSize kPictureSize(32, 32);

// Enter on the page presses the focused button, or else the default button,
// as the window's own toolkit does; a QWidget window has no default button of
// its own. The edits and combo boxes leave Enter to their parent.
class DefaultButtonKey : public QObject {
 public:
  DefaultButtonKey(QWidget* page, QPushButton* defaultButton)
      : QObject(page), page_(page), default_(defaultButton) {
    page->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != page_ || event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        key->modifiers() & ~Qt::KeypadModifier)
      return false;
    auto* focused = qobject_cast<QPushButton*>(page_->focusWidget());
    QPushButton* target = focused && page_->isAncestorOf(focused) ? focused : default_;
    if (!target->isEnabled() || !target->isVisible()) return false;
    target->click();
    return true;
  }

 private:
  QWidget* page_;
  QPushButton* default_;
};

void ShowPicture(QPushButton* button, const QPixmap& picture) {
  button->setIcon(QIcon(picture));
  button->setIconSize(kPictureSize);
}

}  // namespace

void TKestrune::ConnectWirelessHandlers() {
  WirelessModelCob->OnChange = [this] { WirelessModelCobChange(); };
  AuthenticationTypeCob->OnChange = [this] { AuthenticationTypeCobChange(); };
  WepEncryptCob->OnChange = [this] { WepEncryptCobChange(); };
  PasswordModeCob->OnChange = [this] { PasswordModeCobChange(); };

  ActiveRadio->OnClick = [this] { ActiveRadioClick(); };
  DisableRadio->OnClick = [this] { DisableRadioClick(); };
  TC_IPRadio->OnClick = [this] { TC_IPRadioClick(); };
  RS232Radio->OnClick = [this] { RS232RadioClick(); };

  PortEdtWire->OnKeyPress = [this](char16_t& key) { PortEdtWireKeyPress(key); };
  DeviceIdEdt->OnKeyPress = [this](char16_t& key) { DeviceIdEdtKeyPress(key); };
  ComIDEdit->OnKeyPress = [this](char16_t& key) { ComIDEditKeyPress(key); };
  BaudRateEdit->OnKeyPress = [this](char16_t& key) { BaudRateEditKeyPress(key); };

  WepPasswordEdt1->OnExit = [this] { WepPasswordEdt1Exit(); };
  WepPasswordEdt2->OnExit = [this] { WepPasswordEdt2Exit(); };
  WepPasswordEdt3->OnExit = [this] { WepPasswordEdt3Exit(); };
  WepPasswordEdt4->OnExit = [this] { WepPasswordEdt4Exit(); };
  WAPpasswordEdit->OnExit = [this] { WAPpasswordEditExit(); };

  ShowPicture(TestConnectBtn, TestConnectPicture());
  ShowPicture(IPoptionsBitB, ConfigMachinePicture());
  ShowPicture(SetBitB, SetPicture());
  new DefaultButtonKey(TabSheet2, SetBitB);
}
