#include "platform/error.h"

namespace platform {

std::string ErrorBoxText(const std::string& message) {
  // Characters compare as unsigned bytes, so any byte from 0x80 up counts as
  // sorting after "." as well.
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

}  // namespace platform
