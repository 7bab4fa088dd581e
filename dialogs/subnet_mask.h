#pragma once
// The subnet mask proposed for an address by the class of its first octet.
#include <optional>
#include <string>

// The mask for the address's first octet (the text before its first ".",
// blanks and control characters around the address ignored): 1..126
// "255.0.0.0", 128..191 "255.255.0.0", 192..223 "255.255.255.0"; nothing for
// 0, 127 and 224 upwards. A first part that is not an integer (the empty one
// of an address without ".") raises "'<part>' is not a valid integer value".
std::optional<std::string> ProposedSubnetMask(const std::string& address);
