#pragma once
// Controls with the events and properties the windows rely on. Handlers are
// plain callbacks; each runs under RunGuarded.
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>
#include <functional>

class QLineEdit;

namespace platform {

// Edit box with an exit event, a key-press filter and a maximum length that
// limits typing and pasting but never cuts a text already in the edit.
class TEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TEdit(QWidget* parent = nullptr);
  std::function<void()> OnExit;
  // Receives each typed character; setting it to 0 swallows it.
  std::function<void(char16_t& key)> OnKeyPress;
  void SetMaxLength(int length);  // 0: no limit
  int MaxLength() const;
  // ...
};

// Drop-down list whose OnChange runs on the user's choice only, never when
// code sets the items or the index.
class TComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TComboBox(QWidget* parent = nullptr);
  std::function<void()> OnChange;
  void SetItems(const QStringList& items);  // leaves no item selected
  void SetItemIndex(int index);             // -1 selects nothing
  int ItemIndex() const;
  QString Text() const;  // the selected item's text, empty when none
};

// Radio button exclusive within its parent. Checking it from code with
// SetChecked(true) runs OnClick as a user click does; SetChecked(false)
// clears it even when it is the checked one of its group.
class TRadioButton : public QRadioButton {
  Q_OBJECT
 public:
  explicit TRadioButton(QWidget* parent = nullptr);
  std::function<void()> OnClick;
  void SetChecked(bool checked);
  bool Checked() const;
};

// IP-address control: four octet fields shown as one dotted-decimal text.
// A blank field reads as 0, so a cleared control reads "0.0.0.0".
class TJvIPAddress : public QWidget {
  Q_OBJECT
 public:
  explicit TJvIPAddress(QWidget* parent = nullptr);
  QString Text() const;
  void SetText(const QString& text);  // the empty text clears every field
  std::function<void()> OnExit;        // focus leaves the control
  // A field's value changed by the user: index 0..3 and the new value, which
  // the handler may replace.
  std::function<void(int index, int& value)> OnFieldChange;
  QLineEdit* Field(int index) const;
};

}  // namespace platform
