#pragma once
#include <stdexcept>
#include <string>

namespace fiscalia {

// A calculation that cannot go on: a division by zero, an overflow, a value
// outside its range, an index outside its table or a bad conversion. Window
// handlers catch it and show the numbered message of the action.
class CalcError : public std::runtime_error {
public:
    explicit CalcError(const std::string& what) : std::runtime_error(what) {}
};

} // namespace fiscalia
