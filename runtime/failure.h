// A run-time failure of the day sheet: one Italian sentence for the user,
// naming the file or the step that failed.
#pragma once

#include <stdexcept>
#include <string>

namespace giornaro {

class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace giornaro
