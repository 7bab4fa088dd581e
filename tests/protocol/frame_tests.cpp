#include <gtest/gtest.h>

#include <vector>

#include "protocol/crc.h"
#include "protocol/decoder.h"
#include "protocol/frame.h"

namespace {

using protocol::Frame;
using protocol::FrameDecoder;
using Bytes = std::vector<std::uint8_t>;

Frame Sample(std::uint16_t seq, std::string payload = std::string("APN\0internet\0", 13)) {
  Frame f;
  f.kind = protocol::Kind::Reply;
  f.code = 2000;
  f.sequence = seq;
  f.device = 7;
  f.payload = std::move(payload);
  return f;
}

std::vector<Frame> DecodeAll(FrameDecoder& d, const Bytes& bytes) {
  d.Feed(bytes.data(), bytes.size());
  std::vector<Frame> out;
  while (auto f = d.Next()) out.push_back(*f);
  return out;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

TEST(Frame, RoundTripsEveryFieldAndPayloadBytes) {
  std::string payload;
  for (int i = 0; i < 256; ++i) payload.push_back(static_cast<char>(i));
  for (const Frame& f : {Sample(1), Sample(65535, ""), Sample(9, payload),
                         Sample(3, std::string(protocol::kMaxPayload, '\xA5'))}) {
    FrameDecoder d;
    const auto frames = DecodeAll(d, protocol::Encode(f));
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], f);
    EXPECT_EQ(d.Buffered(), 0u);
  }
}

TEST(Frame, EncodeRefusesOversizedPayload) {
  EXPECT_TRUE(protocol::Encode(Sample(1, std::string(protocol::kMaxPayload + 1, 'x'))).empty());
}

TEST(Decoder, ByteByByteGivesNothingUntilTheLastByte) {
  const Bytes bytes = protocol::Encode(Sample(5));
  FrameDecoder d;
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
    d.Feed(&bytes[i], 1);
    ASSERT_FALSE(d.Next()) << "after byte " << i;
  }
  d.Feed(&bytes.back(), 1);
  const auto f = d.Next();
  ASSERT_TRUE(f);
  EXPECT_EQ(*f, Sample(5));
}

TEST(Decoder, ResynchronisesAfterGarbageAndDamagedFrames) {
  Bytes damagedPayload = protocol::Encode(Sample(2));
  damagedPayload[20] ^= 0x01;
  Bytes damagedHeader = protocol::Encode(Sample(3));
  damagedHeader[5] ^= 0x40;
  Bytes otherVersion = protocol::Encode(Sample(4));
  otherVersion[2] = 2;
  const Bytes noise = {0x00, 0xA5, 0x11, 0xA5, 0xA5, 0x7E, 0xFF};
  Bytes truncated = protocol::Encode(Sample(6));
  truncated.resize(10);
  FrameDecoder d;
  const auto frames =
      DecodeAll(d, Concat({noise, protocol::Encode(Sample(1)), damagedPayload, truncated,
                           damagedHeader, otherVersion, noise, protocol::Encode(Sample(7))}));
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].sequence, 1);
  EXPECT_EQ(frames[1].sequence, 7);
  EXPECT_GE(d.Stats().badChecksums, 1u);
  EXPECT_GE(d.Stats().badHeaders, 2u);
  EXPECT_GT(d.Stats().garbageBytes, 0u);
}

TEST(Decoder, OversizedLengthIsRefusedWithoutWaitingForIt) {
  // An intact header announcing 60000 bytes: the frame after it must come
  // out at once instead of being swallowed as payload.
  Bytes header = protocol::Encode(Sample(1));
  header.resize(protocol::kHeaderSize);
  header[10] = 0xEA;
  header[11] = 0x60;
  const std::uint16_t crc = protocol::Crc16(header.data(), 12);
  header[12] = static_cast<std::uint8_t>(crc >> 8);
  header[13] = static_cast<std::uint8_t>(crc & 0xFF);
  FrameDecoder d;
  const auto frames = DecodeAll(d, Concat({header, protocol::Encode(Sample(2))}));
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].sequence, 2);
  EXPECT_EQ(d.Stats().oversized, 1u);
}

TEST(Decoder, IncompleteFrameWaitsAndKeepsMemoryBounded) {
  FrameDecoder d;
  const Bytes noise(100000, 0x42);
  d.Feed(noise.data(), noise.size());
  EXPECT_FALSE(d.Next());
  EXPECT_EQ(d.Buffered(), 0u);  // noise is not kept
  const Bytes bytes = protocol::Encode(Sample(1));
  d.Feed(bytes.data(), bytes.size() - 1);
  EXPECT_FALSE(d.Next());
  EXPECT_EQ(d.Buffered(), bytes.size() - 1);
}

}  // namespace
