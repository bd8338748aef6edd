#pragma once
// A guard byte held for the life of a handler: handlers pump events in their
// middle, and the byte tells a nested click or Play that one is in progress.

#include <cstdint>

namespace zelvan {

// Sets the flag and puts back what it held, so guards may nest.
class Hold {
public:
    explicit Hold(std::uint8_t& flag) : flag_(flag), before_(flag) { flag_ = 1; }
    ~Hold() { flag_ = before_; }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

private:
    std::uint8_t& flag_;
    std::uint8_t before_;
};

}  // namespace zelvan
