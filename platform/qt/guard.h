#pragma once
// Every event handler runs under RunGuarded: an error ends the handler, the
// error box shows its message and the program goes on. No exception ever
// reaches Qt's event loop.
#include <functional>

namespace platform {

void RunGuarded(const std::function<void()>& handler);

// Lets the window process all pending messages (installed as the device
// link's callback).
void ProcessPendingMessages();

}  // namespace platform
