#pragma once
// The one error type of the program: a message meant for the error box.
#include <stdexcept>
#include <string>

namespace platform {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The error box shows a message with "." appended when its last character
// sorts after "." (so "Range check error" becomes "Range check error.").
std::string ErrorBoxText(const std::string& message);

}  // namespace platform
