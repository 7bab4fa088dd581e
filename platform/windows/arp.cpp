#include <shellapi.h>
#include <windows.h>

#include "platform/arp.h"

namespace platform {

// Not waited for; the result of the launch is ignored on purpose.
void LaunchArpFlush(void* owner) {
  ShellExecuteA(static_cast<HWND>(owner), "OPEN", "ARP.EXE", "-d", nullptr, SW_HIDE);
}

}  // namespace platform
