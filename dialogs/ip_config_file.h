#pragma once
// The wireless adapter's address choice in "IPconfig.ini" beside the
// executable, section "Config". Every call builds the path afresh and opens
// the file anew; values are stored and returned exactly as given.
#include <string>

struct IPConfigValues {
  std::string address;  // "IPaddress"
  std::string mask;     // "subMask"
  std::string gateway;  // "GateWay"
  std::string choice;   // "IPRadio": "0" DHCP, "1" fixed address
};

// The full path of the settings file.
std::string IPConfigPath();

// Reads "IPaddress", "subMask", "GateWay" and "IPRadio", in that order; a
// missing file or key reads as the empty text.
IPConfigValues ReadIPConfig();

// "IPRadio" = "0"; the address keys keep the last fixed address.
void WriteDhcpChoice();

// "IPaddress", "subMask", "GateWay", then "IPRadio" = "1". A refused write
// raises "Unable to write to <path>"; keys written before it stay written.
void WriteAssignedAddress(const std::string& address, const std::string& mask,
                          const std::string& gateway);
