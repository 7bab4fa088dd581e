#include "platform/qt/TComboBox.h"

#include "platform/qt/guard.h"

namespace platform {

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  // activated comes from the user only: mouse, keyboard or wheel.
  connect(this, &QComboBox::activated, this, [this] { RunGuarded(OnChange); });
}

void TComboBox::SetItems(const QStringList& items) {
  clear();
  addItems(items);
  setCurrentIndex(-1);  // Qt selects the first item added to an empty list
}

void TComboBox::SetItemIndex(int index) {
  setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

int TComboBox::ItemIndex() const { return currentIndex(); }

QString TComboBox::Text() const { return currentIndex() < 0 ? QString() : currentText(); }

}  // namespace platform
