#pragma once
// A device library fake that records every call and answers from a script.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "device/Vandrel.h"

namespace testing_support {

struct InitCall {
  std::string module, address;
  std::int32_t number, baud, reserved1, reserved2;
};

struct Command {
  std::int32_t handle;
  std::uint16_t code;
  std::string request;  // the request bytes (length of them)
  std::int32_t size, length, timeoutMs;
  bool nullBuffer;
};

// A simple device: options by name; reads answer 2000 with name, NUL, value,
// NUL when the option exists; writes store the text after the first "=".
class RecordingLibrary : public Vandrel::DeviceLibrary {
 public:
  Vandrel::ConnectionHandle handleToReturn = 7;
  std::map<std::string, std::string> options;
  // Reply code per command, when set (e.g. error replies to writes).
  std::function<std::uint16_t(const Command&)> replyFor;
  // Runs inside every SendCmd, after recording (e.g. to click during an upload).
  std::function<void(const Command&)> onCommand;

  std::vector<InitCall> inits;
  std::vector<Command> commands;
  std::vector<Vandrel::ConnectionHandle> closes;

  Vandrel::ConnectionHandle Init(const char* module, const char* address, std::int32_t number,
                                 std::int32_t baud, std::int32_t r1, std::int32_t r2) override {
    inits.push_back({module ? module : "", address ? address : "", number, baud, r1, r2});
    return handleToReturn;
  }

  std::int32_t SendCmd(Vandrel::ConnectionHandle handle, std::uint16_t* code, char* buffer,
                       std::int32_t size, std::int32_t length, std::int32_t timeoutMs) override {
    Command command{handle,
                    *code,
                    buffer ? std::string(buffer, static_cast<std::size_t>(length)) : std::string(),
                    size,
                    length,
                    timeoutMs,
                    buffer == nullptr};
    commands.push_back(command);
    if (onCommand) onCommand(command);
    std::uint16_t reply = replyFor ? replyFor(command) : Vandrel::REPLY_OK;
    if (reply == Vandrel::REPLY_OK) Answer(command, buffer, size);
    *code = reply;
    return 0;
  }

  std::int32_t Close(Vandrel::ConnectionHandle handle) override {
    closes.push_back(handle);
    return 0;
  }

  std::vector<std::uint16_t> Codes() const {
    std::vector<std::uint16_t> codes;
    for (const auto& c : commands) codes.push_back(c.code);
    return codes;
  }
  // The texts of the write commands, without their NUL.
  std::vector<std::string> Writes() const {
    std::vector<std::string> texts;
    for (const auto& c : commands)
      if (c.code == Vandrel::CMD_WRITE_OPTION)
        texts.push_back(c.request.substr(0, c.request.find('\0')));
    return texts;
  }

 private:
  void Answer(const Command& command, char* buffer, std::int32_t size) {
    const std::string text = command.request.substr(0, command.request.find('\0'));
    if (command.code == Vandrel::CMD_READ_OPTION) {
      auto found = options.find(text);
      std::string reply = text + '\0' + (found == options.end() ? "" : found->second) + '\0';
      for (std::size_t i = 0; i < reply.size() && i < static_cast<std::size_t>(size); ++i)
        buffer[i] = reply[i];
    } else if (command.code == Vandrel::CMD_WRITE_OPTION) {
      auto eq = text.find('=');
      if (eq != std::string::npos) options[text.substr(0, eq)] = text.substr(eq + 1);
    }
  }
};

// Installs a fresh fake for one test and restores the real library after it.
struct FakeLibraryScope {
  std::shared_ptr<RecordingLibrary> library = std::make_shared<RecordingLibrary>();
  // Local preparations, in order: "arp" and "kill:<name>".
  std::vector<std::string> preparations;

  FakeLibraryScope() {
    Vandrel::SetDeviceLibrary(library);
    Vandrel::SetSleeper([](int) {});
    Vandrel::SetArpFlushLauncher([this](void*) { preparations.push_back("arp"); });
    Vandrel::SetProcessKiller([this](const std::string& name) {
      preparations.push_back("kill:" + name);
      return 0;
    });
  }
  ~FakeLibraryScope() {
    Vandrel::SetDeviceLibrary(nullptr);
    Vandrel::SetSleeper(nullptr);
    Vandrel::SetSeedGenerator(nullptr);
    Vandrel::SetProcessMessages(nullptr);
    Vandrel::SetArpFlushLauncher(nullptr);
    Vandrel::SetProcessKiller(nullptr);
    Vandrel::ActiveConnection = 0;
  }
  RecordingLibrary* operator->() { return library.get(); }
};

}  // namespace testing_support
