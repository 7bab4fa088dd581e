#pragma once
// Command and reply codes on the wire beyond the device's own commands.
#include <cstdint>

namespace protocol {

// Device commands the program sends.
constexpr std::uint16_t kReadOption = 11;
constexpr std::uint16_t kWriteOption = 12;
constexpr std::uint16_t kConfigEnd = 1002;
constexpr std::uint16_t kConfigBegin = 1003;
constexpr std::uint16_t kRestart = 1004;
constexpr std::uint16_t kConfigEndFinal = 1014;

// Link commands of the library itself.
constexpr std::uint16_t kHello = 0xFE01;  // handshake; answered with kReplyOk
constexpr std::uint16_t kBye = 0xFE02;    // end of session; not answered

// Reply codes.
constexpr std::uint16_t kReplyOk = 2000;
constexpr std::uint16_t kReplyUnknownCommand = 4001;
constexpr std::uint16_t kReplyMalformed = 4002;  // bad option line or hidden encoding
constexpr std::uint16_t kReplyNoSuchOption = 4003;
constexpr std::uint16_t kReplyRejected = 4004;  // write refused (fault injection)
constexpr std::uint16_t kReplyReadOnly = 4005;
constexpr std::uint16_t kReplyStoreFailed = 4006;  // the store could not be saved

// The handshake's request payload.
constexpr char kHelloText[] = "PELLMORA-LINK/1";

}  // namespace protocol
