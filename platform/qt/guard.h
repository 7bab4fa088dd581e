#pragma once
// Every event handler runs under RunGuarded: an error ends the handler, the
// error box shows its message and the program goes on. No exception ever
// reaches Qt's event loop.
#include <functional>
#include <utility>

namespace platform {

// Returns true when the handler ran to its end, false when it ended with an
// error (already shown). Never throws.
bool RunGuarded(const std::function<void()>& handler);

// Wraps a handler for a plain Qt connection: connect(b, &QPushButton::clicked,
// Guarded([this] { Button1Click(); })).
template <class Handler>
auto Guarded(Handler handler) {
  return [handler = std::move(handler)] { RunGuarded(handler); };
}

// Lets the window process all pending messages (installed as the device
// link's callback).
void ProcessPendingMessages();

}  // namespace platform
