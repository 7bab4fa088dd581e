#include "dialogs/subnet_mask.h"

#include "platform/convert.h"
#include "platform/text.h"

std::optional<std::string> ProposedSubnetMask(const std::string& address) {
  const std::string text = platform::Trim(address);
  const auto dot = text.find('.');
  // Without a "." the first part is empty, which does not convert.
  const int octet = platform::StrToInt(dot == std::string::npos ? "" : text.substr(0, dot));
  if (octet >= 1 && octet <= 126) return "255.0.0.0";
  if (octet >= 128 && octet <= 191) return "255.255.0.0";
  if (octet >= 192 && octet <= 223) return "255.255.255.0";
  return std::nullopt;
}
