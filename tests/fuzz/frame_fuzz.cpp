// Fuzzes the frame decoder two ways per input:
//  1. the raw bytes, fed in pieces whose sizes the input chooses: every frame
//     that comes out must re-encode to bytes that decode to the same frame,
//     and feeding all at once must give the same frames;
//  2. a valid frame built from the input, put between noise cut from the
//     input (with start-marker bytes removed so noise cannot start a frame):
//     the frame must come out intact, exactly once.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "protocol/decoder.h"
#include "protocol/frame.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Check(bool ok) {
  if (!ok) std::abort();
}

std::vector<protocol::Frame> DecodeChunked(const std::uint8_t* data, std::size_t size,
                                           const std::uint8_t* cuts, std::size_t cutCount) {
  protocol::FrameDecoder d;
  std::vector<protocol::Frame> out;
  std::size_t pos = 0, k = 0;
  while (pos < size) {
    const std::size_t n = cutCount == 0 ? size : 1 + cuts[k++ % cutCount] % 64;
    const std::size_t take = n < size - pos ? n : size - pos;
    d.Feed(data + pos, take);
    pos += take;
    while (auto f = d.Next()) {
      Check(f->payload.size() <= protocol::kMaxPayload);
      out.push_back(*f);
    }
    Check(d.Buffered() <= protocol::kMaxFrameSize + 64);
  }
  return out;
}

void RawBytes(const std::uint8_t* data, std::size_t size) {
  const std::size_t cutCount = size < 8 ? size : 8;
  const auto chunked = DecodeChunked(data, size, data, cutCount);
  const auto whole = DecodeChunked(data, size, nullptr, 0);
  Check(chunked == whole);
  for (const auto& f : whole) {
    const Bytes again = protocol::Encode(f);
    const auto back = DecodeChunked(again.data(), again.size(), nullptr, 0);
    Check(back.size() == 1 && back[0] == f);
  }
}

void FrameInNoise(const std::uint8_t* data, std::size_t size) {
  if (size < 8) return;
  protocol::Frame f;
  f.kind = (data[0] & 1) ? protocol::Kind::Reply : protocol::Kind::Request;
  f.code = static_cast<std::uint16_t>(data[1] << 8 | data[2]);
  f.sequence = static_cast<std::uint16_t>(data[3] << 8 | data[4]);
  f.device = data[5];
  const std::size_t rest = size - 7;
  const std::size_t payloadSize = data[6] % (rest + 1);
  f.payload.assign(reinterpret_cast<const char*>(data + 7), payloadSize);
  if (f.payload.size() > protocol::kMaxPayload) f.payload.resize(protocol::kMaxPayload);
  Bytes noise;
  for (std::size_t i = 7 + payloadSize; i < size; ++i)
    if (data[i] != protocol::kMarker0) noise.push_back(data[i]);
  const std::size_t split = noise.empty() ? 0 : data[0] % (noise.size() + 1);
  Bytes stream(noise.begin(), noise.begin() + static_cast<std::ptrdiff_t>(split));
  const Bytes encoded = protocol::Encode(f);
  stream.insert(stream.end(), encoded.begin(), encoded.end());
  stream.insert(stream.end(), noise.begin() + static_cast<std::ptrdiff_t>(split), noise.end());
  const auto frames = DecodeChunked(stream.data(), stream.size(), data, size < 8 ? size : 8);
  Check(frames.size() == 1 && frames[0] == f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RawBytes(data, size);
  FrameInNoise(data, size);
  return 0;
}
