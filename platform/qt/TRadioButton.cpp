#include "platform/qt/TRadioButton.h"

#include "platform/qt/guard.h"

namespace platform {

TRadioButton::TRadioButton(QWidget* parent) : QRadioButton(parent) {
  setAutoExclusive(true);
  connect(this, &QAbstractButton::clicked, this, [this] {
    // Qt reports a click on the checked button too; only a change counts.
    const bool changed = checked_by_click_;
    checked_by_click_ = false;
    if (changed) RunGuarded(OnClick);
  });
}

void TRadioButton::nextCheckState() {
  const bool was_checked = isChecked();
  QRadioButton::nextCheckState();
  checked_by_click_ = !was_checked && isChecked();
}

void TRadioButton::SetChecked(bool checked) {
  if (checked == isChecked()) return;
  if (checked) {
    setChecked(true);  // auto-exclusive: the siblings are cleared
    RunGuarded(OnClick);
    return;
  }
  // An auto-exclusive group refuses to clear its checked button.
  const bool exclusive = autoExclusive();
  setAutoExclusive(false);
  setChecked(false);
  setAutoExclusive(exclusive);
}

bool TRadioButton::Checked() const { return isChecked(); }

}  // namespace platform
