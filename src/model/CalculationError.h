#pragma once

#include <stdexcept>
#include <string>

namespace fd9 {

// Stops a CALCULATE: the message says in an engineer's words what went wrong, and no verdict
// is given after it.
class CalculationError : public std::runtime_error {
public:
    explicit CalculationError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace fd9
