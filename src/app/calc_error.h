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

// Runs an engine calculation into `out` and returns the number of the message
// that refuses it: 3 ("Wrong or missing entry, try again.") when an entry
// cannot be evaluated, otherwise the engine's own message, 0 for good results.
template <class Result, class Run>
int runCalculation(Result& out, Run&& run)
{
    try {
        out = run();
    } catch (const CalcError&) {
        return 3;
    }
    return out.message;
}

} // namespace fiscalia
