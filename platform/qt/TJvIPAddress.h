#pragma once
// IP-address control: four octet fields (digits only, 0..255) shown as one
// dotted-decimal text. A blank field reads as 0, so a cleared control reads
// "0.0.0.0". Tab enters and leaves the control as a whole; "." and the arrow
// keys move between its fields, and a field advances after three digits.
#include <QFrame>
#include <QString>
#include <array>
#include <functional>

class QLineEdit;

namespace platform {

class TJvIPAddress : public QFrame {
  Q_OBJECT
  // Lets a form definition set the text as a property.
  Q_PROPERTY(QString text READ Text WRITE SetText)

 public:
  static constexpr int kFieldCount = 4;

  explicit TJvIPAddress(QWidget* parent = nullptr);

  QString Text() const;
  // The empty text clears every field. Parts that are not decimal numbers
  // leave their field blank, numbers above 255 read as 255, missing parts
  // are blank and parts after the fourth are ignored.
  void SetText(const QString& text);

  // The focus left the control (not when it moves between its own fields).
  std::function<void()> OnExit;
  // The user changed a field: its index 0..3 and new value (blank is 0). The
  // handler may replace the value; the field then shows the replacement.
  std::function<void(int index, int& value)> OnFieldChange;

  QLineEdit* Field(int index) const;  // nullptr outside 0..3

 private:
  void FieldEdited(int index);
  bool FieldKey(int index, int key);
  enum class Cursor { SelectAll, Start, End };
  void FocusField(int index, Cursor cursor);
  void FieldLeft(Qt::FocusReason reason);

  std::array<QLineEdit*, kFieldCount> fields_{};
};

}  // namespace platform
