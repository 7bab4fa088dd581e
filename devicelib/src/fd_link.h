#pragma once
// A connected byte stream (socket or tty) with bounded reads and writes. A
// wake-up pipe lets another thread cut a wait short when the handle closes.
#include <cstddef>
#include <cstdint>

#include "deadline.h"

namespace vandrel {

enum class IoResult { Ok, Timeout, Broken, Woken };

class FdLink {
 public:
  // Takes ownership of fd. isSocket selects send() without SIGPIPE.
  FdLink(int fd, bool isSocket);
  ~FdLink();
  FdLink(const FdLink&) = delete;
  FdLink& operator=(const FdLink&) = delete;

  bool Valid() const { return fd_ >= 0 && wakeRead_ >= 0; }
  IoResult WriteAll(const std::uint8_t* data, std::size_t size, Clock::time_point deadline);
  // Reads what is there (at least one byte) into buf; *got receives the count.
  IoResult ReadSome(std::uint8_t* buf, std::size_t size, std::size_t* got,
                    Clock::time_point deadline);
  // Makes the current and every later wait return Woken. Thread-safe.
  void Wake();
  // Drops bytes waiting in the input (serial lines only).
  void DiscardInput();

 private:
  IoResult WaitReady(short events, Clock::time_point deadline, short* revents);

  int fd_;
  bool isSocket_;
  int wakeRead_ = -1;
  int wakeWrite_ = -1;
};

}  // namespace vandrel
