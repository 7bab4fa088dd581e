#include "emulator/device.h"

#include "emulator/hidden_line.h"
#include "protocol/codes.h"

namespace emulator {
namespace {

using namespace protocol;

std::string CommandName(std::uint16_t code) {
  switch (code) {
    case kReadOption:
      return "read";
    case kWriteOption:
      return "write";
    case kConfigBegin:
      return "configuration begin";
    case kConfigEnd:
      return "configuration end";
    case kConfigEndFinal:
      return "configuration end (final)";
    case kRestart:
      return "restart";
    case kHello:
      return "handshake";
    case kBye:
      return "end of session";
    default:
      return "command " + std::to_string(code);
  }
}

// The text up to the first NUL: requests carry C strings.
std::string CText(const std::string& payload) { return payload.substr(0, payload.find('\0')); }

}  // namespace

bool Device::RefuseConnection() {
  if (refused_ >= config_.faults.refuseConnections) return false;
  ++refused_;
  return true;
}

std::optional<Response> Device::Handle(SessionState& session, const Frame& request) {
  if (request.kind != Kind::Request) return std::nullopt;  // an echo on a shared line
  const bool forUs = request.device == config_.number || (session.tcp && request.device == 0);
  if (!forUs) {
    log_.Session(session.peer + " ignored a frame for device " + std::to_string(request.device));
    return std::nullopt;
  }
  session.active = true;
  const std::uint16_t code = request.code;
  const Faults& faults = config_.faults;
  Response r;
  r.frame.kind = Kind::Reply;
  r.frame.sequence = request.sequence;
  r.frame.device = config_.number;
  std::string detail;
  if (code != kHello && code != kBye) ++session.commands;

  switch (code) {
    case kHello:
      r.frame.code = kReplyOk;
      r.frame.payload = "device-emulator device-number=" + std::to_string(config_.number);
      break;
    case kBye:
      r.send = false;
      r.endSession = true;
      break;
    case kReadOption:
      r.frame.code = Read(request.payload, &r.frame.payload, &detail);
      break;
    case kWriteOption:
      r.frame.code = Write(session, request.payload, &detail);
      break;
    case kConfigBegin:
      session.exchangeOpen = true;
      r.frame.code = kReplyOk;
      break;
    case kConfigEnd:
    case kConfigEndFinal:
      if (!session.exchangeOpen) detail = "no exchange open";
      session.exchangeOpen = false;
      r.frame.code = kReplyOk;
      break;
    case kRestart:
      session.restartRequested = true;
      detail = "carried out when the client disconnects";
      r.frame.code = kReplyOk;
      break;
    default:
      r.frame.code = kReplyUnknownCommand;
  }

  std::string line = session.peer + " #" + std::to_string(request.sequence) + " " +
                     CommandName(code) + (detail.empty() ? "" : " " + detail);
  if (faults.noReply.count(code)) {
    r.send = false;
    line += " -> no reply (fault injection)";
  } else if (r.send) {
    line += " -> " + std::to_string(r.frame.code);
    const bool delayed = faults.delayCodes.empty() ? code != kHello : faults.delayCodes.count(code);
    if (faults.delayMs > 0 && delayed) {
      r.delay = std::chrono::milliseconds(faults.delayMs);
      line += " after " + std::to_string(faults.delayMs) + " ms (fault injection)";
    }
  }
  if (faults.closeAfter > 0 && session.commands >= faults.closeAfter && code != kBye) {
    r.closeAfter = true;
    line += ", then closing (fault injection)";
  }
  log_.Command(line);
  return r;
}

std::uint16_t Device::Read(const std::string& payload, std::string* reply, std::string* detail) {
  const std::string name = CText(payload);
  *detail = EscapeText(name);
  if (name.empty()) return kReplyMalformed;
  std::optional<std::string> value;
  if (name == "~OS")
    value = config_.os;
  else
    value = store_.Get(name);
  if (!value) return kReplyNoSuchOption;
  // Laid out as the caller reads it: name, NUL, value, NUL.
  *reply = name;
  reply->push_back('\0');
  *reply += *value;
  reply->push_back('\0');
  if (reply->size() > kMaxPayload) {
    reply->clear();
    return kReplyMalformed;
  }
  return kReplyOk;
}

std::uint16_t Device::Write(const SessionState& session, const std::string& payload,
                            std::string* detail) {
  const std::string line = CText(payload);
  const std::size_t eq = line.find('=');
  if (eq == std::string::npos || eq == 0) {
    *detail = EscapeText(line) + ": not a name=value line";
    return kReplyMalformed;
  }
  const std::string name = line.substr(0, eq);
  std::string value = line.substr(eq + 1);
  *detail = EscapeText(name);
  if (!session.exchangeOpen) *detail += " (outside a configuration exchange)";
  if (name[0] == '~' && HiddenLinesEncoded(config_.os)) {
    const auto clear = DecodeHiddenValue(value);
    if (!clear) {
      *detail += ": malformed hidden encoding";
      return kReplyMalformed;
    }
    value = *clear;
    *detail += " (decoded)";
  }
  if (name == "~OS") {
    *detail += ": read-only";
    return kReplyReadOnly;
  }
  const auto fault = config_.faults.failWrites.find(name);
  if (fault != config_.faults.failWrites.end()) {
    int& attempts = failedAttempts_[name];
    if (fault->second < 0 || attempts < fault->second) {
      ++attempts;
      *detail += ": refused (fault injection)";
      return kReplyRejected;
    }
  }
  std::string error;
  if (!store_.Set(name, value, &error)) {
    *detail += ": " + error;
    return kReplyStoreFailed;
  }
  *detail += " = " + std::to_string(value.size()) + " bytes";
  return kReplyOk;
}

void Device::EndSession(SessionState& session, const std::string& why) {
  if (session.active || session.tcp) log_.Session(session.peer + " session ended: " + why);
  if (session.exchangeOpen) log_.Session(session.peer + " configuration exchange left open");
  if (!session.restartRequested) return;
  log_.Notice("restart: carrying out the restart requested by " + session.peer);
  std::string error;
  if (store_.Load(&error))
    log_.Notice("restart: done, " + std::to_string(store_.Options().size()) +
                " options reloaded from " + store_.File().string() + "; new session");
  else
    log_.Notice("restart: store not reloaded, keeping the options in memory: " + error);
}

}  // namespace emulator
