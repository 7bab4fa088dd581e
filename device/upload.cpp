// Uploading an option list and the configuration commands.
#include <chrono>
#include <thread>

#include "device/Vandrel.h"

namespace Vandrel {
namespace {

constexpr int kPauseAfterLineMs = 100;

std::function<void()> processMessages;
std::function<void(int)> sleeper;

void SendPlain(std::uint16_t command, std::int32_t timeoutMs) {
  std::uint16_t code = command;
  TORVAK_SENDCMD(ActiveConnection, &code, nullptr, 0, 0, timeoutMs);
}

void Pause(int milliseconds) {
  if (sleeper)
    sleeper(milliseconds);
  else
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace

void SetProcessMessages(std::function<void()> callback) { processMessages = std::move(callback); }
void SetSleeper(std::function<void(int)> replacement) { sleeper = std::move(replacement); }

int UploadOptions(const std::vector<std::string>& options) {
  const std::string probe = ReadOption(ActiveConnection, "~OS");
  int count = static_cast<int>(options.size());
  EncodeHiddenOptions = probe.empty() || probe == "NONE";

  for (std::size_t i = 0; i < options.size(); ++i) {
    if (processMessages) processMessages();
    if (!WriteOption(ActiveConnection, options[i], EncodeHiddenOptions) &&
        !WriteOption(ActiveConnection, options[i], EncodeHiddenOptions))
      --count;
    Pause(kPauseAfterLineMs);
  }
  return count;
}

void BeginConfiguration() { SendPlain(CMD_CONFIG_BEGIN, 2000); }

void EndConfiguration() {
  SendPlain(CMD_CONFIG_END, 1000);
  SendPlain(CMD_CONFIG_END, 1000);
  SendPlain(CMD_CONFIG_END_FINAL, 1000);
}

void RestartDevice() { SendPlain(CMD_RESTART, 1000); }

}  // namespace Vandrel
