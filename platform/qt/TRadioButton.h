#pragma once
// Radio button exclusive within its parent. OnClick runs when the button
// becomes checked, by the user or by SetChecked(true); clicking the button
// that is already checked runs nothing. SetChecked(false) clears it even when
// it is the checked one of its group, and runs nothing.
#include <QRadioButton>
#include <functional>

namespace platform {

class TRadioButton : public QRadioButton {
  Q_OBJECT
 public:
  explicit TRadioButton(QWidget* parent = nullptr);

  std::function<void()> OnClick;

  void SetChecked(bool checked);
  bool Checked() const;

 protected:
  void nextCheckState() override;

 private:
  bool checked_by_click_ = false;
};

}  // namespace platform
