#include "platform/qt/guard.h"

#include <QCoreApplication>
#include <exception>

#include "platform/qt/messages.h"

namespace platform {

namespace {

// Showing the box must not throw either: a failing box is dropped.
void ShowErrorSafely(const char* message) noexcept {
  try {
    ShowErrorBox(QString::fromUtf8(message));
  } catch (...) {
  }
}

}  // namespace

bool RunGuarded(const std::function<void()>& handler) {
  try {
    if (handler) handler();
    return true;
  } catch (const std::exception& error) {  // platform::Error among them
    ShowErrorSafely(error.what());
  } catch (...) {
    ShowErrorSafely("Unexpected error");
  }
  return false;
}

void ProcessPendingMessages() {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
}

}  // namespace platform
