#include "platform/arp.h"
#include "platform/posix/detached.h"

namespace platform {

// Needs the right to change the neighbour table; without it the command fails
// quietly, as a refused launch does on Windows.
void LaunchArpFlush(void* /*owner*/) { LaunchDetached({"ip", "neigh", "flush", "all"}); }

}  // namespace platform
