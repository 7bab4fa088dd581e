#pragma once
// Checksums of the wire format: CRC-16/CCITT-FALSE guards the header (so a
// damaged length is never trusted), CRC-32 (IEEE) guards the whole frame.
#include <cstddef>
#include <cstdint>

namespace protocol {

std::uint16_t Crc16(const std::uint8_t* data, std::size_t size);
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);

}  // namespace protocol
