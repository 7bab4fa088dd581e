#include "platform/qt/message_box.h"

#include <QPushButton>

namespace platform {

namespace {

QMessageBox::Icon IconOf(BoxKind kind) {
  switch (kind) {
    case BoxKind::Information:
      return QMessageBox::Information;
    case BoxKind::Warning:
      return QMessageBox::Warning;
    case BoxKind::Confirmation:
      return QMessageBox::Question;
    case BoxKind::Error:
      return QMessageBox::Critical;
    case BoxKind::Plain:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

std::unique_ptr<QMessageBox> BuildMessageBox(BoxKind kind, const QString& caption,
                                             const QString& text, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(caption);
  box->setText(text);
  box->setTextFormat(Qt::PlainText);  // the texts are never markup
  box->setIcon(IconOf(kind));
  // Buttons are added by text so they read "OK" and "Cancel" in every locale.
  QPushButton* ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box->setDefaultButton(ok);
  if (kind == BoxKind::Confirmation) {
    QPushButton* cancel = box->addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box->setEscapeButton(cancel);
  } else {
    box->setEscapeButton(ok);
  }
  return box;
}

}  // namespace platform
