#include "platform/qt/TJvIPAddress.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QStringList>
#include <algorithm>
#include <utility>

#include "platform/qt/guard.h"

namespace platform {

namespace {

constexpr int kMaxOctet = 255;

bool AllDigits(const QString& text) {
  return !text.isEmpty() &&
         std::all_of(text.begin(), text.end(), [](QChar c) { return c >= '0' && c <= '9'; });
}

// The field text for one part of a dotted text: blank unless it is a number.
QString OctetText(const QString& part) {
  const QString digits = part.trimmed();
  if (!AllDigits(digits)) return {};
  bool ok = false;
  const unsigned value = digits.toUInt(&ok);
  return QString::number(ok ? std::min<unsigned>(value, kMaxOctet) : kMaxOctet);
}

// One octet field; it hands its navigation keys and its focus loss to the
// control.
class OctetField : public QLineEdit {
 public:
  OctetField(QWidget* parent, std::function<bool(int key)> on_key,
             std::function<void(Qt::FocusReason)> on_left)
      : QLineEdit(parent), on_key_(std::move(on_key)), on_left_(std::move(on_left)) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && on_key_(event->key()))
      event->accept();
    else
      QLineEdit::keyPressEvent(event);
  }
  void focusOutEvent(QFocusEvent* event) override {
    QLineEdit::focusOutEvent(event);
    on_left_(event->reason());
  }

 private:
  std::function<bool(int key)> on_key_;
  std::function<void(Qt::FocusReason)> on_left_;
};

int OctetValue(const QLineEdit& field) {
  return field.text().isEmpty() ? 0 : std::min(field.text().toInt(), kMaxOctet);
}

}  // namespace

TJvIPAddress::TJvIPAddress(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 0, 2, 0);
  layout->setSpacing(0);
  const auto* digits =
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
  for (int i = 0; i < kFieldCount; ++i) {
    if (i > 0) {
      auto* dot = new QLabel(QStringLiteral("."), this);
      dot->setAlignment(Qt::AlignCenter);
      layout->addWidget(dot);
    }
    auto* field = new OctetField(
        this, [this, i](int key) { return FieldKey(i, key); },
        [this](Qt::FocusReason reason) { FieldLeft(reason); });
    field->setFrame(false);
    field->setAlignment(Qt::AlignCenter);
    field->setMaxLength(3);
    field->setValidator(digits);
    field->setAcceptDrops(false);
    field->setMinimumWidth(0);
    // Only the first field takes the focus by Tab, so Tab passes the control
    // as one stop.
    field->setFocusPolicy(i == 0 ? Qt::StrongFocus : Qt::ClickFocus);
    connect(field, &QLineEdit::textEdited, this, [this, i] { FieldEdited(i); });
    layout->addWidget(field, 1);
    fields_[i] = field;
  }
  setFocusProxy(fields_[0]);
  setFocusPolicy(Qt::StrongFocus);
}

QString TJvIPAddress::Text() const {
  QStringList octets;
  for (const QLineEdit* field : fields_) octets << QString::number(OctetValue(*field));
  return octets.join(QLatin1Char('.'));
}

void TJvIPAddress::SetText(const QString& text) {
  const QStringList parts = text.split(QLatin1Char('.'));
  for (int i = 0; i < kFieldCount; ++i)
    fields_[i]->setText(i < parts.size() ? OctetText(parts[i]) : QString());
}

QLineEdit* TJvIPAddress::Field(int index) const {
  return index >= 0 && index < kFieldCount ? fields_[index] : nullptr;
}

void TJvIPAddress::FocusField(int index, Cursor cursor) {
  QLineEdit* field = fields_[index];
  field->setFocus(Qt::OtherFocusReason);
  switch (cursor) {
    case Cursor::SelectAll:
      field->selectAll();
      break;
    case Cursor::Start:
      field->home(false);
      break;
    case Cursor::End:
      field->end(false);
      break;
  }
}

void TJvIPAddress::FieldEdited(int index) {
  QPointer<QLineEdit> field = fields_[index];
  int value = OctetValue(*field);
  if (field->text().toInt() > kMaxOctet) field->setText(QString::number(kMaxOctet));
  if (OnFieldChange) {
    int replaced = value;
    if (RunGuarded([&] { OnFieldChange(index, replaced); }) && field) {
      replaced = std::clamp(replaced, 0, kMaxOctet);
      if (replaced != value) field->setText(QString::number(replaced));
    }
  }
  // The handler may have moved the focus or closed the window.
  if (field && field->hasFocus() && index + 1 < kFieldCount && field->text().size() == 3 &&
      field->cursorPosition() == 3)
    FocusField(index + 1, Cursor::SelectAll);
}

bool TJvIPAddress::FieldKey(int index, int key) {
  QLineEdit* field = fields_[index];
  const bool at_start = field->cursorPosition() == 0 && !field->hasSelectedText();
  const bool at_end = field->cursorPosition() == field->text().size() && !field->hasSelectedText();
  switch (key) {
    case Qt::Key_Period:
      // A dot ends a field that holds digits; on a blank field it is ignored.
      if (!field->text().isEmpty() && index + 1 < kFieldCount)
        FocusField(index + 1, Cursor::SelectAll);
      return true;
    case Qt::Key_Backspace:
      if (!at_start || index == 0) return false;
      FocusField(index - 1, Cursor::End);
      return true;
    case Qt::Key_Left:
      if (!at_start || index == 0) return false;
      FocusField(index - 1, Cursor::End);
      return true;
    case Qt::Key_Right:
      if (!at_end || index + 1 == kFieldCount) return false;
      FocusField(index + 1, Cursor::Start);
      return true;
    default:
      return false;
  }
}

void TJvIPAddress::FieldLeft(Qt::FocusReason reason) {
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
  // The new focus widget is already set when the old one hears FocusOut.
  QWidget* next = QApplication::focusWidget();
  if (next == nullptr || !isAncestorOf(next)) RunGuarded(OnExit);
}

}  // namespace platform
