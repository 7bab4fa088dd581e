#include "platform/qt/messages.h"

#include <QApplication>

#include "platform/error.h"
#include "platform/qt/message_box.h"
#include "platform/qt/title.h"

namespace platform {

namespace {

bool ShowQtBox(BoxKind kind, const QString& caption, const QString& text) {
  auto box = BuildMessageBox(kind, caption, text, QApplication::activeWindow());
  box->exec();
  QAbstractButton* clicked = box->clickedButton();
  return clicked != nullptr && box->buttonRole(clicked) == QMessageBox::AcceptRole;
}

MessageBoxSeam& Seam() {
  static MessageBoxSeam seam;
  return seam;
}

bool Show(BoxKind kind, const QString& caption, const QString& text) {
  // A copy, so a box that replaces the seam while it is open stays valid.
  MessageBoxSeam seam = Seam();
  return seam ? seam(kind, caption, text) : ShowQtBox(kind, caption, text);
}

}  // namespace

void SetMessageBoxSeam(MessageBoxSeam seam) { Seam() = std::move(seam); }

void ShowInformation(const QString& text) {
  Show(BoxKind::Information, QStringLiteral("Information"), text);
}

void ShowPlain(const QString& text) { Show(BoxKind::Plain, ApplicationTitle(), text); }

void ShowWarning(const QString& text, const QString& caption) {
  Show(BoxKind::Warning, caption, text);
}

bool ShowConfirmation(const QString& text) {
  return Show(BoxKind::Confirmation, QStringLiteral("Confirm"), text);
}

void ShowErrorBox(const QString& message) {
  const QString text = QString::fromStdString(ErrorBoxText(message.toStdString()));
  Show(BoxKind::Error, ApplicationTitle(), text);
}

}  // namespace platform
