#include "protocol/decoder.h"

#include "protocol/crc.h"

namespace protocol {
namespace {

std::uint16_t Get16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

}  // namespace

void FrameDecoder::Feed(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  Compact();
  buffer_.insert(buffer_.end(), data, data + size);
}

void FrameDecoder::Reset() {
  buffer_.clear();
  pos_ = 0;
}

void FrameDecoder::Compact() {
  if (pos_ == 0) return;
  buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(pos_));
  pos_ = 0;
}

std::optional<Frame> FrameDecoder::Next() {
  const std::size_t end = buffer_.size();
  while (pos_ < end) {
    // Scan for the marker; a lone first marker byte at the end may be the
    // start of a frame and is kept.
    if (buffer_[pos_] != kMarker0 || (pos_ + 1 < end && buffer_[pos_ + 1] != kMarker1)) {
      ++pos_;
      ++stats_.garbageBytes;
      continue;
    }
    if (end - pos_ < kHeaderSize) break;
    const std::uint8_t* h = buffer_.data() + pos_;
    const bool headerOk = Get16(h + 12) == Crc16(h, 12) && h[2] == kVersion &&
                          (h[3] == static_cast<std::uint8_t>(Kind::Request) ||
                           h[3] == static_cast<std::uint8_t>(Kind::Reply));
    if (!headerOk) {
      ++stats_.badHeaders;
      ++pos_;
      continue;
    }
    const std::size_t length = Get16(h + 10);
    if (length > kMaxPayload) {
      ++stats_.oversized;
      ++pos_;
      continue;
    }
    const std::size_t total = kHeaderSize + length + kTrailerSize;
    if (end - pos_ < total) break;
    const std::uint8_t* t = h + kHeaderSize + length;
    const std::uint32_t crc = (std::uint32_t{t[0]} << 24) | (std::uint32_t{t[1]} << 16) |
                              (std::uint32_t{t[2]} << 8) | std::uint32_t{t[3]};
    if (crc != Crc32(h, kHeaderSize + length)) {
      ++stats_.badChecksums;
      ++pos_;
      continue;
    }
    Frame frame;
    frame.kind = static_cast<Kind>(h[3]);
    frame.code = Get16(h + 4);
    frame.sequence = Get16(h + 6);
    frame.device = Get16(h + 8);
    frame.payload.assign(reinterpret_cast<const char*>(h + kHeaderSize), length);
    pos_ += total;
    return frame;
  }
  Compact();
  return std::nullopt;
}

}  // namespace protocol
