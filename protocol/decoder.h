#pragma once
// Incremental frame decoder. Bytes arrive in any pieces; Next() hands out
// each complete, intact frame once. Anything else (noise, damaged or
// oversized frames, other versions) is skipped by scanning for the next start
// marker. The decoder never trusts a length before its header checksum
// passed and never reads past the bytes fed.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "protocol/frame.h"

namespace protocol {

struct DecoderStats {
  std::size_t garbageBytes = 0;  // bytes skipped while looking for a marker
  std::size_t badHeaders = 0;    // header checksum, version or kind wrong
  std::size_t oversized = 0;     // intact header announcing more than kMaxPayload
  std::size_t badChecksums = 0;  // frame checksum wrong

  std::size_t Refused() const { return badHeaders + oversized + badChecksums; }
};

class FrameDecoder {
 public:
  void Feed(const std::uint8_t* data, std::size_t size);
  std::optional<Frame> Next();
  // Bytes held while waiting for the rest of a frame.
  std::size_t Buffered() const { return buffer_.size() - pos_; }
  const DecoderStats& Stats() const { return stats_; }
  void Reset();

 private:
  void Compact();

  std::vector<std::uint8_t> buffer_;
  std::size_t pos_ = 0;
  DecoderStats stats_;
};

}  // namespace protocol
