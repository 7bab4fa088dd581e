#pragma once
// Keeps device exchanges from overlapping: the upload lets the window process
// messages between lines, so a second click could otherwise start another
// exchange and replace the connection under the running one.
#include <functional>

class ExchangeGuard {
 public:
  bool Running() const { return running_; }

  // Runs body unless an exchange is already running (then does nothing).
  // Returns whether body ran. Exceptions pass through after the guard is
  // released.
  bool Run(const std::function<void()>& body);

  // Called once the running exchange has ended, when a close was asked for
  // during it.
  std::function<void()> OnEndedWithPendingClose;
  void RequestClose() { closePending_ = true; }

 private:
  bool running_ = false;
  bool closePending_ = false;
};
