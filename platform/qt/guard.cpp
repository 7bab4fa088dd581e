#include "platform/qt/guard.h"

#include <QCoreApplication>
#include <exception>

#include "platform/error.h"
#include "platform/qt/messages.h"

namespace platform {

namespace {

// Showing the box must not throw either: a failing box is dropped.
void ShowErrorSafely(const QString& message) noexcept {
  try {
    ShowErrorBox(message);
  } catch (...) {
  }
}

}  // namespace

bool RunGuarded(const std::function<void()>& handler) {
  try {
    if (handler) handler();
    return true;
  } catch (const Error& error) {
    ShowErrorSafely(QString::fromUtf8(error.what()));
  } catch (const std::exception& error) {
    ShowErrorSafely(QString::fromUtf8(error.what()));
  } catch (...) {
    ShowErrorSafely(QStringLiteral("Unexpected error"));
  }
  return false;
}

void ProcessPendingMessages() {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
}

}  // namespace platform
