#pragma once
// One frame of the wire format, the same over TCP and serial lines.
//
//   offset  size  field
//        0     2  start marker A5 7E
//        2     1  version (1)
//        3     1  kind: 1 request, 2 reply
//        4     2  command or reply code        (all integers big-endian)
//        6     2  sequence number
//        8     2  device number
//       10     2  payload length (at most kMaxPayload)
//       12     2  CRC-16 of bytes 0..11
//       14     n  payload
//     14+n     4  CRC-32 of bytes 0..13+n
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

constexpr std::uint8_t kMarker0 = 0xA5;
constexpr std::uint8_t kMarker1 = 0x7E;
constexpr std::uint8_t kVersion = 1;
constexpr std::size_t kHeaderSize = 14;
constexpr std::size_t kTrailerSize = 4;
constexpr std::size_t kMaxPayload = 1024;
constexpr std::size_t kMaxFrameSize = kHeaderSize + kMaxPayload + kTrailerSize;

enum class Kind : std::uint8_t { Request = 1, Reply = 2 };

struct Frame {
  Kind kind = Kind::Request;
  std::uint16_t code = 0;
  std::uint16_t sequence = 0;
  std::uint16_t device = 0;
  std::string payload;  // raw bytes, NULs included

  bool operator==(const Frame&) const = default;
};

// The frame's bytes; empty when the payload exceeds kMaxPayload.
std::vector<std::uint8_t> Encode(const Frame& frame);

}  // namespace protocol
