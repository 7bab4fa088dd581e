#pragma once
// One client's byte stream (TCP socket, tty or pty master): decodes frames,
// lets the device answer them one at a time and writes the replies. A
// persistent session (serial line) survives the end of a client's session and
// starts a fresh one; a TCP session closes its socket.
#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include <asio.hpp>

#include "emulator/device.h"
#include "protocol/decoder.h"

namespace emulator {

template <class Stream>
class Session : public std::enable_shared_from_this<Session<Stream>> {
 public:
  Session(Stream stream, Device& device, const Log& log, SessionState state, bool persistent,
          std::chrono::milliseconds idleTimeout, std::function<void()> onSessionEnd = {})
      : stream_(std::move(stream)),
        idleTimer_(stream_.get_executor()),
        delayTimer_(stream_.get_executor()),
        device_(device),
        log_(log),
        fresh_(state),
        state_(std::move(state)),
        persistent_(persistent),
        idleTimeout_(idleTimeout),
        onSessionEnd_(std::move(onSessionEnd)) {}

  void Start() {
    ArmIdle();
    Read();
  }

 private:
  void Read() {
    if (reading_ || busy_ || closed_) return;
    reading_ = true;
    stream_.async_read_some(asio::buffer(buf_),
                            [self = this->shared_from_this()](std::error_code ec, std::size_t n) {
                              self->OnRead(ec, n);
                            });
  }

  void OnRead(std::error_code ec, std::size_t n) {
    reading_ = false;
    if (closed_) return;
    if (ec) {
      Finish(ec == asio::error::eof ? "client disconnected" : "read failed: " + ec.message(), true);
      return;
    }
    decoder_.Feed(buf_.data(), n);
    ArmIdle();
    Process();
  }

  void Process() {
    while (!busy_ && !closed_) {
      auto frame = decoder_.Next();
      ReportRefused();
      if (!frame) {
        Read();
        return;
      }
      auto response = device_.Handle(state_, *frame);
      if (!response) continue;
      if (response->endSession) {
        Finish("client ended the session", false);
        continue;
      }
      if (response->delay.count() > 0) {
        busy_ = true;
        delayTimer_.expires_after(response->delay);
        delayTimer_.async_wait(
            [self = this->shared_from_this(), r = std::move(*response)](std::error_code ec) {
              if (!ec && !self->closed_) self->Send(r);
            });
        return;
      }
      Send(*response);
    }
  }

  void Send(const Response& response) {
    if (!response.send) {
      busy_ = false;
      if (response.closeAfter) return Finish("closed after the set number of commands", true);
      return Process();
    }
    busy_ = true;
    auto bytes = std::make_shared<std::vector<std::uint8_t>>(protocol::Encode(response.frame));
    asio::async_write(stream_, asio::buffer(*bytes),
                      [self = this->shared_from_this(), bytes, close = response.closeAfter](
                          std::error_code ec, std::size_t) {
                        self->busy_ = false;
                        if (self->closed_) return;
                        if (ec) return self->Finish("write failed: " + ec.message(), true);
                        if (close)
                          return self->Finish("closed after the set number of commands", true);
                        self->Process();
                      });
  }

  void ReportRefused() {
    const auto& stats = decoder_.Stats();
    if (stats.Refused() > refusedSeen_)
      log_.Notice(state_.peer + " refused " + std::to_string(stats.Refused() - refusedSeen_) +
                  " corrupt or oversized frame(s)");
    refusedSeen_ = stats.Refused();
  }

  void ArmIdle() {
    if (idleTimeout_.count() <= 0 || closed_) return;
    idleTimer_.expires_after(idleTimeout_);
    idleTimer_.async_wait([self = this->shared_from_this()](std::error_code ec) {
      if (ec || self->closed_) return;
      if (!self->persistent_ || self->state_.active)
        self->Finish("idle for longer than the idle time-out", false);
      self->ArmIdle();
    });
  }

  // fatal: the stream itself is unusable, even for a persistent session.
  void Finish(const std::string& why, bool fatal) {
    if (closed_) return;
    device_.EndSession(state_, why);
    state_ = fresh_;
    // Bytes after the end-of-session frame already belong to the next client.
    if (onSessionEnd_) onSessionEnd_();
    if (persistent_ && !fatal) return;
    if (persistent_) log_.Notice(fresh_.peer + " stopped serving: " + why);
    closed_ = true;
    idleTimer_.cancel();
    delayTimer_.cancel();
    std::error_code ignored;
    stream_.close(ignored);
  }

  Stream stream_;
  asio::steady_timer idleTimer_;
  asio::steady_timer delayTimer_;
  Device& device_;
  const Log& log_;
  const SessionState fresh_;
  SessionState state_;
  const bool persistent_;
  const std::chrono::milliseconds idleTimeout_;
  const std::function<void()> onSessionEnd_;
  protocol::FrameDecoder decoder_;
  std::array<std::uint8_t, 4096> buf_{};
  std::size_t refusedSeen_ = 0;
  bool reading_ = false;
  bool busy_ = false;
  bool closed_ = false;
};

}  // namespace emulator
