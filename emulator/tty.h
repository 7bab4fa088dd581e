#pragma once
// The emulator's serial ends: an existing tty, or a pseudo-terminal whose
// slave device a symlink makes reachable under a chosen name.
#include <string>

namespace emulator {

// Opens a tty raw 8N1 at baud; -1 with a message on failure.
int OpenTty(const std::string& path, int baud, std::string* error);

struct Pty {
  int master = -1;
  int slave = -1;  // kept open so the master never sees a hang-up between clients
  std::string slavePath;
};

// Creates a pseudo-terminal and points link at its slave. An existing link
// is replaced only when it is a symlink.
bool CreatePty(const std::string& link, Pty* pty, std::string* error);
// Removes link when it still points at the pty's slave.
void RemovePtyLink(const std::string& link, const Pty& pty);
// Lets the next client open the slave after one left it marked exclusive.
void ReleaseExclusive(int fd);

}  // namespace emulator
