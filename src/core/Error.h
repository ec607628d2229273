#pragma once

#include <stdexcept>
#include <string>

namespace zelmaro {

// The one error type of the program: a message a user can act on, naming the file
// and line where there is one. Commands catch it, show it captioned "ERROR" and
// leave the session as it was.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace zelmaro
