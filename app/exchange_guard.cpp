#include "app/exchange_guard.h"

bool ExchangeGuard::Run(const std::function<void()>& body) {
  if (running_) return false;
  running_ = true;
  struct Release {
    ExchangeGuard& guard;
    ~Release() {
      guard.running_ = false;
      if (guard.closePending_) {
        guard.closePending_ = false;
        if (guard.OnEndedWithPendingClose) guard.OnEndedWithPendingClose();
      }
    }
  } release{*this};
  body();
  return true;
}
