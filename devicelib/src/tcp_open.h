#pragma once
#include <cstdint>

namespace vandrel {

// Connects to a numeric IPv4/IPv6 address (no name lookup, which could block
// without bound) within timeoutMs. Returns a non-blocking socket with
// TCP_NODELAY set, or -1.
int OpenTcp(const char* address, std::int32_t port, int timeoutMs);

}  // namespace vandrel
