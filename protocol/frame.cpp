#include "protocol/frame.h"

#include "protocol/crc.h"

namespace protocol {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v >> 8));
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
}

}  // namespace

std::vector<std::uint8_t> Encode(const Frame& frame) {
  if (frame.payload.size() > kMaxPayload) return {};
  std::vector<std::uint8_t> out;
  out.reserve(kHeaderSize + frame.payload.size() + kTrailerSize);
  out.push_back(kMarker0);
  out.push_back(kMarker1);
  out.push_back(kVersion);
  out.push_back(static_cast<std::uint8_t>(frame.kind));
  Put16(out, frame.code);
  Put16(out, frame.sequence);
  Put16(out, frame.device);
  Put16(out, static_cast<std::uint16_t>(frame.payload.size()));
  Put16(out, Crc16(out.data(), out.size()));
  out.insert(out.end(), frame.payload.begin(), frame.payload.end());
  const std::uint32_t crc = Crc32(out.data(), out.size());
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>((crc >> shift) & 0xFF));
  return out;
}

}  // namespace protocol
