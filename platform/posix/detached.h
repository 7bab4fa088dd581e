#pragma once
// Starting a program that runs on its own on POSIX.
#include <string>
#include <vector>

namespace platform {

// Starts args[0] (looked up in PATH and the usual system folders when it has
// no "/") with args, input and output on /dev/null, in a session of its own.
// Does not wait for it; it is left as a grandchild that the system reaps, so
// no zombie stays behind. A program that cannot be started goes unnoticed.
void LaunchDetached(const std::vector<std::string>& args);

}  // namespace platform
