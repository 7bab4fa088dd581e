#include "app/connection_session.h"

ConnectionSession::~ConnectionSession() {
  try {
    Finish();
  } catch (...) {
    // Only reached on a way out by error; that error is the one to report.
  }
}

void ConnectionSession::Finish() {
  if (finished_) return;
  finished_ = true;
  Vandrel::ActiveConnection = handle_;
  Vandrel::EndConfiguration();
  Vandrel::TORVAK_CLOSE(handle_);
}
