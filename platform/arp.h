#pragma once

namespace platform {

// Starts flushing the system's ARP cache; does not wait, reports nothing.
// owner is the main window's system handle (used on Windows only).
void LaunchArpFlush(void* owner);

}  // namespace platform
